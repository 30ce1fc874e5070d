// zor-config: the converter utility's core on a command line, for configuring converters from a
// settings file on a production line and for service on Linux. It sends exactly what the window sends.
#include "cli/command_table.h"

int main(int argc, char** argv) {
    return zor::cli::RunCommandLine(argc, argv);
}
