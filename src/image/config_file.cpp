#include "image/config_file.h"

#include "toolkit/text_buffer.h"

namespace zor {

bool IsFirmwarePath(const char16_t* path) {
    static constexpr char16_t marker[] = u".BINARY";
    constexpr std::int32_t markerLength = 7;
    const std::int32_t length = textLength(path);
    for (std::int32_t start = 0; start + markerLength <= length; ++start) {
        std::int32_t i = 0;
        for (; i < markerLength; ++i) {
            char16_t c = path[start + i];
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
            if (c != marker[i]) break;
        }
        if (i == markerLength) return true;
    }
    return false;
}

std::u16string TemporarySavePath(const char16_t* target) {
    std::u16string path = target != nullptr ? target : u"";
    path += u".tmp";
    return path;
}

ReplyOutcome RecogniseConfigFile(const std::uint8_t* bytes, std::int32_t count) {
    return RecogniseReply(bytes, count, ReplyOrigin::File);
}

} // namespace zor
