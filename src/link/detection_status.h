// Status line texts of the converter exchanges. Numbers are signed decimal without leading zeros.
#pragma once

#include <cstdint>
#include <string>

namespace zor {

inline constexpr char16_t overflowStatus[] = u"Serial Rx Buffer Overflow";

std::u16string BytesSentText(std::int32_t count);    // count " bytes sent"
std::u16string BytesWrittenText(std::int32_t count); // count " bytes written"
std::u16string BytesReadText(std::int32_t count);    // count " bytes read"
std::u16string ReceivedOkText(std::int32_t count);   // count " bytes received OK"
std::u16string
DetectedReadErrorText(std::int32_t count);           // count " bytes read ZOR-MX-410 detected (read error)"
std::u16string NotDetectedText(std::int32_t count);  // count " bytes read (ZOR-MX-410 not detected)"
std::u16string FileReadErrorText(std::int32_t code); // "File Read Error " code
std::u16string SerialWriteFailedText(std::int32_t code);  // "Error " code " (serial write failed)"
std::u16string GetCommStateFailedText(std::int32_t code); // "Error " code " (GetCommState() failed)"

} // namespace zor
