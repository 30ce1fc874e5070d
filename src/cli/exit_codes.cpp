#include "cli/exit_codes.h"

namespace zor::cli {

std::string ExitCodesHelp() {
    std::string help = "Exit codes:\n";
    for (const ExitCodeMeaning& exit : exitCodeMeanings) {
        std::string code = std::to_string(exit.code);
        code.resize(2, ' ');
        help += "  " + code + " " + exit.meaning + "\n";
    }
    return help;
}

} // namespace zor::cli
