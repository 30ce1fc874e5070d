// The start of a file and its real size: a firmware file too large to take is refused naming its size,
// without holding more of it than the start.
#pragma once

#include "platform/port.h"

#include <cstdint>

namespace zor {

struct FileStart {
    platform::PortResult read; // the first read, or the first read-on that failed
    std::uint64_t size = 0;    // the file's size in bytes (what was read, when a read failed)
};

// One read of up to capacity bytes into bytes. A file that fills them is read on to its end, only to
// count the rest.
FileStart ReadFileStart(platform::PortHandle file, std::uint8_t* bytes, std::uint32_t capacity);

} // namespace zor
