// The exit codes of zor-config, one per outcome. Each is said in words once, in exitCodeMeanings, from
// which `zor-config --help` lists them; the README lists them too.
#pragma once

#include <string>

namespace zor::cli {

enum ExitCode : int {
    exitOk = 0,
    exitUsage = 2,
    exitPort = 3,
    exitNoConverter = 4,
    exitFile = 5,
    exitNotSettings = 6,
    exitCheckRefused = 7,
    exitExchangeFailed = 8,
    exitBatchFailed = 9,
    exitVerifyFailed = 10,
    exitInterrupted = 11,
    exitDiffers = 12,
};

struct ExitCodeMeaning {
    ExitCode code;
    const char* meaning;
};

inline constexpr ExitCodeMeaning exitCodeMeanings[] = {
    {exitOk, "success"},
    {exitUsage, "bad arguments"},
    {exitPort, "a port that cannot be opened or set up (unknown port, port in use)"},
    {exitNoConverter, "no converter answered (or its reply was incomplete)"},
    {exitFile, "a file that cannot be read or written"},
    {exitNotSettings, "a file that is not a configuration or settings file; a refused firmware file"},
    {exitCheckRefused, "the settings failed a check of \"Send Settings\" (the message says which)"},
    {exitExchangeFailed, "a write to the converter failed, or the firmware update failed"},
    {exitBatchFailed,
     "several converters (--port more than once, or send --watch): at least one failed (its line says why)"},
    {exitVerifyFailed,
     "verify: the converter read back after send holds other settings (the fields are named)"},
    {exitInterrupted,
     "Ctrl-C or SIGTERM: converters not yet started were left alone (their lines say \"interrupted\")\n"
     "     and none failed; or a second Ctrl-C ended the run at once"},
    {exitDiffers, "diff: a converter holds other settings than the file (its line names the fields);\n"
                  "     with several converters, when none failed (a failure is 9)"},
};

// "Exit codes:" and a line per code, for the end of --help.
std::string ExitCodesHelp();

} // namespace zor::cli
