#include "platform/terminal.h"

#include <cstdio>
#include <unistd.h>

namespace zor::platform {

bool isTerminal(StandardStream stream) {
    return isatty(fileno(stream == StandardStream::Output ? stdout : stderr)) != 0;
}

} // namespace zor::platform
