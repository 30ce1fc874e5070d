// The simulator's command line.
#pragma once

#include "converter_model/converter_model.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zor::sim {

struct Options {
    std::optional<Function> function;
    std::string settingsFile;
    std::string sentenceFile;
    std::string firmwareOut;
    std::string settingsOut;
    std::optional<std::int32_t> stateFlags;
    std::string firmwareVersion;
    std::optional<std::uint32_t> sentencePeriodMs;
    std::optional<std::uint32_t> replyDelayMs;
    bool unpaced = false;    // send replies at once instead of at 9600 baud
    bool pacedInput = false; // take what the program writes at 9600 baud too
    Faults faults;
    std::uint32_t staleReplyEnd = 0; // bytes of a reply's end waiting on the port from the start
    std::optional<std::uint32_t> wineCom;
    std::string winePrefix;
    std::string linkPath;
    std::string logFile;
    std::string barrierFile;        // with barrierPorts: answer nothing until that many simulators sharing
    std::uint32_t barrierPorts = 0; // the file have been asked something

    bool quiet = false;
    bool help = false;
};

// Fills options from argv; on a bad argument returns false with a message in error.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);
const char* UsageText();

} // namespace zor::sim
