// Private-profile settings through the system's profile service.
#include "platform/profile.h"
#include "platform/win32/win32_handles.h"

namespace zor::platform {

using namespace win32;

std::int32_t profileReadInt(const char16_t* file, const char16_t* section, const char16_t* key,
                            std::int32_t defaultValue) {
    return static_cast<std::int32_t>(
        GetPrivateProfileIntW(wide(section), wide(key), defaultValue, wide(file)));
}

bool profileWriteString(const char16_t* file, const char16_t* section, const char16_t* key,
                        const char16_t* value) {
    if (value == nullptr) return false; // a null value would delete the key
    return WritePrivateProfileStringW(wide(section), wide(key), wide(value), wide(file)) != 0;
}

} // namespace zor::platform
