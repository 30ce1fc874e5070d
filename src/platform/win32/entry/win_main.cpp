// The program's entry on Windows: nothing of the command line or the show command is used.
#include "platform/program_entry.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return zor::platform::runProgram();
}
