#include "image/settings_check.h"

#include "image/image_layout.h"
#include "toolkit/text_buffer.h"

namespace zor {

namespace {

bool isBusAddress(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace

CheckFailure CheckAddress(const char16_t* address) {
    const std::int32_t length = textLength(address);
    if (length >= 2) return addressTooLongFailure;
    if (length == 0 || !isBusAddress(address[0])) return addressOutOfRangeFailure;
    return {};
}

CheckFailure CheckSerialNumber(const char16_t* serialNumber) {
    if (textLength(serialNumber) != serialNumberLength) return serialNumberLengthFailure;
    for (std::int32_t i = 0; i < serialNumberLength; ++i)
        if (serialNumber[i] > 255) return serialNumberOutOfRangeFailure;
    return {};
}

} // namespace zor
