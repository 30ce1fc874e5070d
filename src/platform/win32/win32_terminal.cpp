#include "platform/terminal.h"

#include <cstdio>
#include <io.h>

namespace zor::platform {

bool isTerminal(StandardStream stream) {
    return _isatty(_fileno(stream == StandardStream::Output ? stdout : stderr)) != 0;
}

} // namespace zor::platform
