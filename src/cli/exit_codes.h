// The exit codes of zor-config, one per outcome; `zor-config --help` and the README list them.
#pragma once

namespace zor::cli {

enum ExitCode : int {
    exitOk = 0,
    exitUsage = 2,          // bad arguments
    exitPort = 3,           // a port that cannot be opened or set up (unknown, in use)
    exitNoConverter = 4,    // no converter answered, or its reply was incomplete
    exitFile = 5,           // a file that cannot be read or written
    exitNotSettings = 6,    // a file that is not a configuration or settings text, or a refused firmware file
    exitCheckRefused = 7,   // the settings failed a check of "Send Settings"
    exitExchangeFailed = 8, // a write to the converter failed, or the firmware update failed
    exitBatchFailed = 9,    // several converters (or a watch): at least one of them failed
    exitVerifyFailed = 10,  // the converter read back after a send holds other settings
};

inline constexpr char exitCodesHelp[] = R"(Exit codes:
  0  success
  2  bad arguments
  3  a port that cannot be opened or set up (unknown port, port in use)
  4  no converter answered (or its reply was incomplete)
  5  a file that cannot be read or written
  6  a file that is not a configuration or settings file; a refused firmware file
  7  the settings failed a check of "Send Settings" (the message says which)
  8  a write to the converter failed, or the firmware update failed
  9  several converters (--port more than once, or send --watch): at least one failed (its line says why)
  10 verify: the converter read back after send holds other settings (the fields are named)
)";

} // namespace zor::cli
