// zor-config's command line: every subcommand added to one parser, the line parsed and the subcommand
// given run.
#pragma once

namespace zor::cli {

// The exit code of the subcommand run, or of a command line that could not be parsed.
int RunCommandLine(int argc, char** argv);

} // namespace zor::cli
