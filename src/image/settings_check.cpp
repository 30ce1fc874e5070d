#include "image/settings_check.h"

#include "image/image_layout.h"
#include "toolkit/text_buffer.h"

namespace zor {

CheckFailure CheckAddress(const char16_t* address) {
    const std::int32_t length = textLength(address);
    if (length >= 2) return addressTooLongFailure;
    if (length == 1 && address[0] > 255) return addressOutOfRangeFailure;
    return {};
}

CheckFailure CheckSerialNumber(const char16_t* serialNumber) {
    if (textLength(serialNumber) != serialNumberLength) return serialNumberLengthFailure;
    for (std::int32_t i = 0; i < serialNumberLength; ++i)
        if (serialNumber[i] > 255) return serialNumberOutOfRangeFailure;
    return {};
}

} // namespace zor
