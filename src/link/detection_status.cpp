#include "link/detection_status.h"

#include "toolkit/decimal_text.h"

namespace zor {
namespace {

std::u16string countThen(std::int32_t count, const char16_t* text) {
    return DecimalText(count) + text;
}

} // namespace

std::u16string BytesSentText(std::int32_t count) {
    return countThen(count, u" bytes sent");
}

std::u16string BytesWrittenText(std::int32_t count) {
    return countThen(count, u" bytes written");
}

std::u16string BytesReadText(std::int32_t count) {
    return countThen(count, u" bytes read");
}

std::u16string ReceivedOkText(std::int32_t count) {
    return countThen(count, u" bytes received OK");
}

std::u16string DetectedReadErrorText(std::int32_t count) {
    return countThen(count, u" bytes read ZOR-MX-410 detected (read error)");
}

std::u16string NotDetectedText(std::int32_t count) {
    return countThen(count, u" bytes read (ZOR-MX-410 not detected)");
}

std::u16string FileReadErrorText(std::int32_t code) {
    return u"File Read Error " + DecimalText(code);
}

std::u16string SerialWriteFailedText(std::int32_t code) {
    return u"Error " + DecimalText(code) + u" (serial write failed)";
}

std::u16string GetCommStateFailedText(std::int32_t code) {
    return u"Error " + DecimalText(code) + u" (GetCommState() failed)";
}

} // namespace zor
