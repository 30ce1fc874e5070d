// zor-simulator: a simulated ZOR-MX-410 on a pseudo-terminal. The converter model answers what the
// program writes; this loop feeds it the bytes read from the pty with the time they came, writes its
// answer bytes when they are due, and logs both in readable form.
#include "answer_barrier.h"
#include "converter_model/converter_model.h"
#include "options.h"
#include "pty_link.h"
#include "readable_bytes.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
constexpr std::size_t maxUnsent = 65536;

void requestStop(int) {
    stopRequested = 1;
}

using namespace zor::sim;

class Log {
  public:
    explicit Log(std::FILE* out, bool quiet) : out_(out), quiet_(quiet) {}
    void line(double seconds, const std::string& text, bool always = false) {
        if (quiet_ && !always) return;
        std::fprintf(out_, "[%9.3f] %s\n", seconds, text.c_str());
        std::fflush(out_);
    }

  private:
    std::FILE* out_;
    bool quiet_;
};

bool readFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Sets the model up from the options; false with a message when a file is unusable.
bool setUpModel(const Options& options, ConverterModel& model, std::string& error) {
    if (!options.settingsFile.empty()) {
        std::vector<std::uint8_t> image;
        if (!readFile(options.settingsFile, image)) {
            error = "cannot read settings file " + options.settingsFile;
            return false;
        }
        const std::string refused = model.loadImage(image);
        if (!refused.empty()) {
            error = "settings file " + options.settingsFile + ": " + refused;
            return false;
        }
    }
    if (options.function) model.setFunction(*options.function);
    if (!options.sentenceFile.empty()) {
        std::vector<std::string> sentences;
        if (!LoadSentenceFile(options.sentenceFile, sentences)) {
            error = "cannot read sentence file " + options.sentenceFile;
            return false;
        }
        model.setSentences(std::move(sentences));
    }
    Timing timing;
    if (options.sentencePeriodMs) timing.sentencePeriodMs = *options.sentencePeriodMs;
    if (options.replyDelayMs) timing.replyDelayMs = *options.replyDelayMs;
    if (options.unpaced) timing.byteMicros = 0;
    model.setTiming(timing);
    if (options.stateFlags) model.setStateFlags(*options.stateFlags);
    if (!options.firmwareVersion.empty()) model.setFirmwareVersion(options.firmwareVersion);
    model.setFaults(options.faults);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "zor-simulator: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    ConverterModel model;
    if (!setUpModel(options, model, error)) {
        std::fprintf(stderr, "zor-simulator: %s\n", error.c_str());
        return 1;
    }
    std::FILE* out = stdout;
    if (!options.logFile.empty()) {
        out = std::fopen(options.logFile.c_str(), "w");
        if (out == nullptr) {
            std::fprintf(stderr, "zor-simulator: cannot write log %s: %s\n", options.logFile.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    Pty pty;
    if (!OpenPty(pty, error)) {
        std::fprintf(stderr, "zor-simulator: %s\n", error.c_str());
        return 1;
    }
    HoldAsControllingTerminal(pty);
    std::vector<std::string> links;
    if (!options.linkPath.empty()) links.push_back(options.linkPath);
    if (options.wineCom) links.push_back(WineComLink(options.winePrefix, *options.wineCom));
    for (const std::string& link : links) {
        if (!MakeLink(link, pty.path, error)) {
            std::fprintf(stderr, "zor-simulator: %s\n", error.c_str());
            for (const std::string& made : links)
                RemoveLink(made, pty.path);
            ClosePty(pty);
            return 1;
        }
    }

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGHUP, requestStop);
    std::signal(SIGPIPE, SIG_IGN);

    Log log(out, options.quiet);
    const auto start = std::chrono::steady_clock::now();
    auto nowMs = [&] {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                .count());
    };
    const std::vector<std::uint8_t> answer = model.reply();
    // Written before the port is named, so that it is queued before any program can open the port.
    ssize_t stale = 0;
    if (options.staleReplyEnd > 0) {
        const std::size_t count = std::min<std::size_t>(options.staleReplyEnd, answer.size());
        stale = write(pty.master, answer.data() + answer.size() - count, count);
    }
    std::string started = "serving " + std::string(answer.begin(), answer.begin() + 5) + " on " + pty.path;
    for (const std::string& link : links)
        started += ", linked as " + link;
    log.line(0, started, true);
    if (stale > 0) log.line(0, std::to_string(stale) + " bytes of a reply's end wait on the port", true);

    std::vector<std::uint8_t> unsent;
    std::vector<std::uint8_t> txLog;
    std::uint64_t txStartMs = 0;
    auto flushTx = [&] {
        if (txLog.empty()) return;
        log.line(static_cast<double>(txStartMs) / 1000.0, "tx " + std::to_string(txLog.size()) + ": " +
                                                              ReadableBytes(txLog.data(), txLog.size(), 120));
        txLog.clear();
    };
    std::uint32_t updatesSaved = 0;
    std::uint32_t imagesSaved = 0;
    // --paced-input: bytes read from the pty wait here until the line would have delivered them.
    struct PacedByte {
        std::uint64_t atMicros;
        std::uint8_t value;
    };
    std::deque<PacedByte> arriving;
    std::uint64_t inputLineFreeMicros = 0;
    const std::uint64_t byteMicros = Timing{}.byteMicros;
    auto nowMicros = [&] {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
                .count());
    };
    // Bytes from the program, to the model at once or paced as the line delivers them.
    auto take = [&](const std::uint8_t* bytes, std::size_t count, std::uint64_t at) {
        if (options.pacedInput) {
            for (std::size_t i = 0; i < count; ++i) {
                inputLineFreeMicros = std::max(inputLineFreeMicros, nowMicros()) + byteMicros;
                arriving.push_back(PacedByte{inputLineFreeMicros, bytes[i]});
            }
        } else {
            model.receive(bytes, count, at);
        }
    };
    AnswerBarrier barrier(options.barrierFile, options.barrierPorts);
    std::vector<std::uint8_t> held; // what came while the barrier held
    std::uint8_t buffer[4096];
    while (!stopRequested) {
        if (!held.empty() && !barrier.holding()) {
            take(held.data(), held.size(), nowMs());
            held.clear();
        }
        if (barrier.justPassed())
            log.line(static_cast<double>(nowMs()) / 1000.0,
                     "barrier passed: " + std::to_string(barrier.askedCount()) + " of " +
                         std::to_string(barrier.ports()) + " simulators asked",
                     true);
        while (!arriving.empty() && arriving.front().atMicros <= nowMicros()) {
            model.receive(&arriving.front().value, 1, arriving.front().atMicros / 1000);
            arriving.pop_front();
        }
        const std::uint64_t now = nowMs();
        model.advance(now);
        std::vector<std::uint8_t> due = model.takeOutputUntil(now);
        if (!due.empty()) {
            if (txLog.empty()) txStartMs = now;
            txLog.insert(txLog.end(), due.begin(), due.end());
            unsent.insert(unsent.end(), due.begin(), due.end());
        }
        // One log line per burst (a sentence ends one), written once nothing more follows at once.
        const auto following = model.nextOutput();
        if (!txLog.empty() &&
            (!following || following->atMs > now + 20 || (model.streaming() && txLog.back() == '\n')))
            flushTx();
        // Nobody reading for a long time (a stream left running): the oldest bytes are lost, as a
        // real line would lose them, rather than piling up here.
        if (unsent.size() > maxUnsent) {
            const std::size_t lost = unsent.size() - maxUnsent;
            unsent.erase(unsent.begin(), unsent.begin() + static_cast<std::ptrdiff_t>(lost));
            log.line(static_cast<double>(now) / 1000.0,
                     std::to_string(lost) + " bytes lost: nobody is reading");
        }
        if (!unsent.empty()) {
            const ssize_t n = write(pty.master, unsent.data(), unsent.size());
            if (n > 0) unsent.erase(unsent.begin(), unsent.begin() + n);
        }
        for (const std::string& event : model.takeEvents())
            log.line(static_cast<double>(now) / 1000.0, event);
        if (!options.settingsOut.empty() && model.counters().imagesAccepted > imagesSaved) {
            imagesSaved = model.counters().imagesAccepted;
            if (!writeFile(options.settingsOut, model.image(model.function())))
                log.line(static_cast<double>(now) / 1000.0, "cannot write settings to " + options.settingsOut,
                         true);
        }
        if (!options.firmwareOut.empty() && model.counters().firmwareUpdates > updatesSaved) {
            updatesSaved = model.counters().firmwareUpdates;
            const bool saved = writeFile(options.firmwareOut, model.firmware());
            log.line(static_cast<double>(now) / 1000.0,
                     (saved ? "firmware written to " : "cannot write firmware to ") + options.firmwareOut,
                     true);
        }

        // Sleep until input, the next byte due, or a short tick (stale requests, signals).
        int waitMs = unsent.empty() && held.empty() ? 50 : 5;
        if (const auto next = model.nextOutput()) {
            const std::uint64_t at = next->atMs;
            waitMs =
                at <= now
                    ? 0
                    : static_cast<int>(std::min<std::uint64_t>(at - now, static_cast<std::uint64_t>(waitMs)));
        }
        if (!arriving.empty()) {
            const std::uint64_t at = arriving.front().atMicros, nowUs = nowMicros();
            waitMs = std::min(waitMs, at <= nowUs ? 0 : static_cast<int>((at - nowUs + 999) / 1000));
        }
        pollfd fd{pty.master, POLLIN, 0};
        const int ready = poll(&fd, 1, waitMs);
        if (ready > 0 && (fd.revents & POLLIN) != 0) {
            const ssize_t n = read(pty.master, buffer, sizeof buffer);
            if (n > 0) {
                flushTx();
                const std::uint64_t at = nowMs();
                log.line(static_cast<double>(at) / 1000.0,
                         "rx " + std::to_string(n) + ": " +
                             ReadableBytes(buffer, static_cast<std::size_t>(n)));
                barrier.asked();
                if (barrier.holding()) {
                    held.insert(held.end(), buffer, buffer + n);
                } else {
                    take(buffer, static_cast<std::size_t>(n), at);
                }
            }
        }
    }
    for (const std::string& link : links)
        RemoveLink(link, pty.path);
    ClosePty(pty);
    log.line(static_cast<double>(nowMs()) / 1000.0, "stopped", true);
    if (out != stdout) std::fclose(out);
    return 0;
}
