// The program's own directory and the platform's open and save dialogs.
#pragma once

#include "platform/types.h"
#include "toolkit/text_buffer.h"

#include <string>

namespace zor {

// Characters of a path buffer, the terminator included.
inline constexpr std::int32_t pathCapacity = 260;

// The directory of the executable with its trailing backslash (C:\Tools\ for C:\Tools\app.exe), in
// wide characters, so that a folder name the ANSI code page cannot write is kept whole.
bool exeDirectory(WideText& directory);
// The full path of a file of that name beside the executable; false when the executable's own path
// cannot be had.
bool exeSiblingPath(const char16_t* name, std::u16string& path);
// Shows the open (or save) dialog; the save dialog asks before an existing file is chosen. On success the
// chosen path, upper-cased, is in the buffer of at least pathCapacity characters; on cancel the buffer is
// left as it was.
bool chooseFile(platform::WindowHandle owner, const char16_t* filter, char16_t* path, bool open);

} // namespace zor
