#include "image/config_file.h"

#include "platform/port.h"
#include "toolkit/decimal_text.h"
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

SavedFile SaveConfigImage(const char16_t* target, const std::uint8_t* bytes, std::int32_t count) {
    const std::u16string temporary = TemporarySavePath(target);
    platform::PortOpenResult created = platform::createFile(temporary.c_str());
    if (!created.ok()) return {SavedFile::Failure::Create, created.error};
    const std::uint32_t length = count > 0 ? static_cast<std::uint32_t>(count) : 0u;
    const platform::PortResult written = platform::writePort(created.handle, bytes, length);
    (void)platform::closePort(created.handle);
    if (!written.ok() || written.count != length) {
        (void)platform::deleteFile(temporary.c_str());
        return {SavedFile::Failure::Write, written.ok() ? shortWriteError : written.error};
    }
    const platform::PortResult replaced = platform::replaceFile(target, temporary.c_str());
    if (!replaced.ok()) {
        (void)platform::deleteFile(temporary.c_str());
        return {SavedFile::Failure::Replace, replaced.error};
    }
    return {};
}

std::u16string FileWriteErrorText(std::uint32_t code) {
    return u"File Write Error " + DecimalText(static_cast<std::int64_t>(code));
}

} // namespace zor
