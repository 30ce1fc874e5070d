#include "link/file_start.h"

namespace zor {

FileStart ReadFileStart(platform::PortHandle file, std::uint8_t* bytes, std::uint32_t capacity) {
    FileStart start;
    start.read = platform::readPort(file, bytes, capacity);
    start.size = start.read.count;
    if (!start.read.ok() || start.read.count < capacity) return start;
    std::uint8_t rest[8192];
    for (;;) {
        const platform::PortResult more = platform::readPort(file, rest, sizeof rest);
        if (!more.ok()) {
            start.read = more;
            return start;
        }
        if (more.count == 0) return start;
        start.size += more.count;
    }
}

} // namespace zor
