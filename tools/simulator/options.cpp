#include "options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zor::sim {

namespace {

bool number(const char* text, std::uint64_t limit, std::uint64_t& value) {
    if (text == nullptr || *text == '\0' || *text == '-') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text, &end, 0);
    if (errno != 0 || *end != '\0' || parsed > limit) return false;
    value = parsed;
    return true;
}

} // namespace

const char* UsageText() {
    return R"(Usage: zor-simulator [options]
Serves a simulated ZOR-MX-410 converter on a pseudo-terminal and logs what it receives.

Converter:
  --function nmea|modbus|serial  main function to answer the query with (default: nmea, or that of
                                 the settings file)
  --settings FILE                start with the settings in FILE (a configuration file as the utility
                                 saves it: 326, 80 or 18 bytes)
  --sentences FILE               NMEA sentences streamed between "s" and "x", one a line
                                 (default: a few built-in sentences)
  --sentence-period MS           time between streamed sentences (default 250)
  --reply-delay MS               from the end of a request to the first byte of its answer
                                 (default 20; a converter writing its EEPROM takes longer)
  --state-flags N                converter state word sent in the reply (default 0)
  --firmware-version ABC         three characters sent as firmware version (default "1.7")
  --firmware-out FILE            write the firmware of each completed update to FILE
  --settings-out FILE            write each image the converter accepts to FILE, as it was received
  --unpaced                      send replies at once rather than at 9600 baud
  --paced-input                  take the bytes the program writes at 9600 baud too (about 1.04 ms
                                 each), as a real line delivers them; a pty delivers them at once

Faults:
  --silent                       answer nothing at all
  --garbage                      answer the query with noise that holds no tag
  --noise-before-tag N           send N bytes of noise in front of the reply
  --split-after N                pause the reply after N bytes ...
  --split-pause MS               ... for MS milliseconds (default 300)
  --split-replies N              only the first N replies pause (default: every one)
  --swap-after N SERIAL          after N queries another converter (serial SERIAL, 8 characters) answers
  --stale-reply-end N            the last N bytes of a reply already wait on the port when the
                                 program opens it, the rest of an answer nobody read
  --no-ackfw                     leave the firmware start "~ZORf" unanswered
  --forget-settings              take settings images but keep the old settings
  --reject-every N               answer every N-th firmware packet with 2 (N = 1: all of them)
  --ack-only N                   leave firmware packets after the N-th unanswered

Several converters at once:
  --barrier FILE                 hold what the program sends, and so the answer, until as many
  --barrier-ports N              simulators as N sharing FILE have each been sent something: a
                                 program serving its ports one after another gets no answer

Port:
  --wine-com N                   link the pseudo-terminal as comN of the Wine prefix
  --wine-prefix DIR              the Wine prefix (default: $WINEPREFIX, else ~/.wine)
  --link PATH                    also make PATH a symbolic link to the pseudo-terminal
  --log FILE                     write the log to FILE instead of standard output
  --quiet                        log nothing but the start line
  --help                         show this text

The first line of the log names the pseudo-terminal. Stop with Ctrl-C or SIGTERM; links made are
removed on exit.
)";
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto needValue = [&]() {
            if (value == nullptr) {
                error = arg + " needs a value";
                return false;
            }
            ++i;
            return true;
        };
        auto needNumber = [&](std::uint64_t limit, std::uint64_t& out) {
            if (!needValue()) return false;
            if (!number(value, limit, out)) {
                error = arg + ": not a number up to " + std::to_string(limit) + ": " + value;
                return false;
            }
            return true;
        };
        std::uint64_t n = 0;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--function") {
            if (!needValue()) return false;
            const std::string f = value;
            if (f == "nmea" || f == "1") {
                options.function = Function::Nmea;
            } else if (f == "modbus" || f == "2") {
                options.function = Function::Modbus;
            } else if (f == "serial" || f == "3") {
                options.function = Function::Serial;
            } else {
                error = "--function: nmea, modbus or serial, not " + f;
                return false;
            }
        } else if (arg == "--settings") {
            if (!needValue()) return false;
            options.settingsFile = value;
        } else if (arg == "--sentences") {
            if (!needValue()) return false;
            options.sentenceFile = value;
        } else if (arg == "--sentence-period") {
            if (!needNumber(3600000, n)) return false;
            options.sentencePeriodMs = static_cast<std::uint32_t>(n);
        } else if (arg == "--reply-delay") {
            if (!needNumber(60000, n)) return false;
            options.replyDelayMs = static_cast<std::uint32_t>(n);
        } else if (arg == "--state-flags") {
            if (!needNumber(0xFFFFFFFFu, n)) return false;
            options.stateFlags = static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
        } else if (arg == "--firmware-version") {
            if (!needValue()) return false;
            options.firmwareVersion = value;
            if (options.firmwareVersion.size() != 3) {
                error = "--firmware-version: exactly three characters";
                return false;
            }
        } else if (arg == "--firmware-out") {
            if (!needValue()) return false;
            options.firmwareOut = value;
        } else if (arg == "--settings-out") {
            if (!needValue()) return false;
            options.settingsOut = value;
        } else if (arg == "--paced-input") {
            options.pacedInput = true;
        } else if (arg == "--unpaced") {
            options.unpaced = true;
        } else if (arg == "--silent") {
            options.faults.silent = true;
        } else if (arg == "--garbage") {
            options.faults.garbageReply = true;
        } else if (arg == "--noise-before-tag") {
            if (!needNumber(1000000, n)) return false;
            options.faults.noiseBeforeTag = static_cast<std::uint32_t>(n);
        } else if (arg == "--split-after") {
            if (!needNumber(1000000, n)) return false;
            options.faults.splitAfter = static_cast<std::uint32_t>(n);
        } else if (arg == "--split-pause") {
            if (!needNumber(3600000, n)) return false;
            options.faults.splitPauseMs = static_cast<std::uint32_t>(n);
        } else if (arg == "--split-replies") {
            if (!needNumber(1000000, n)) return false;
            options.faults.splitReplies = static_cast<std::uint32_t>(n);
        } else if (arg == "--swap-after") {
            if (!needNumber(1000000, n)) return false;
            options.faults.swapAfterQueries = static_cast<std::uint32_t>(n);
            if (i + 1 >= argc || std::string(argv[i + 1]).size() != 8) {
                error = "--swap-after: a count and a serial number of eight characters";
                return false;
            }
            options.faults.swapSerial = argv[++i];
        } else if (arg == "--stale-reply-end") {
            if (!needNumber(4000, n)) return false;
            options.staleReplyEnd = static_cast<std::uint32_t>(n);
        } else if (arg == "--no-ackfw") {
            options.faults.noAckfw = true;
        } else if (arg == "--forget-settings") {
            options.faults.forgetsImages = true;
        } else if (arg == "--reject-every") {
            if (!needNumber(1000000, n)) return false;
            options.faults.rejectEvery = static_cast<std::uint32_t>(n);
        } else if (arg == "--ack-only") {
            if (!needNumber(1000000, n)) return false;
            options.faults.acknowledgeOnly = static_cast<std::uint32_t>(n);
        } else if (arg == "--barrier") {
            if (!needValue()) return false;
            options.barrierFile = value;
        } else if (arg == "--barrier-ports") {
            if (!needNumber(4096, n)) return false;
            options.barrierPorts = static_cast<std::uint32_t>(n);
        } else if (arg == "--wine-com") {
            if (!needNumber(255, n)) return false;
            options.wineCom = static_cast<std::uint32_t>(n);
        } else if (arg == "--wine-prefix") {
            if (!needValue()) return false;
            options.winePrefix = value;
        } else if (arg == "--link") {
            if (!needValue()) return false;
            options.linkPath = value;
        } else if (arg == "--log") {
            if (!needValue()) return false;
            options.logFile = value;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else {
            error = "unknown option " + arg + " (see --help)";
            return false;
        }
    }
    if ((options.barrierPorts > 0) != !options.barrierFile.empty()) {
        error = "--barrier and --barrier-ports go together";
        return false;
    }
    return true;
}

} // namespace zor::sim
