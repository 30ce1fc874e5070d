// Private-profile settings: integer values read from and strings written to an INI file, by section
// and key. On Windows this is the system's own profile service; a bare file name then means the file
// in the Windows directory, a name with a path means that file.
#pragma once

#include <cstdint>

namespace zor::platform {

// The leading decimal integer of the key's value; defaultValue when the file, the section or the key
// is missing or the value is empty; 0 for a value that is not a number.
std::int32_t profileReadInt(const char16_t* file, const char16_t* section, const char16_t* key,
                            std::int32_t defaultValue);

// Sets key=value in the section, adding the section or the key as needed. False when the file could
// not be written; the file that was there is then left as it was.
bool profileWriteString(const char16_t* file, const char16_t* section, const char16_t* key,
                        const char16_t* value);

} // namespace zor::platform
