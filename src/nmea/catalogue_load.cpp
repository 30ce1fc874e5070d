#include "nmea/byte_text.h"
#include "nmea/sentence_catalogue.h"
#include "toolkit/decimal_text.h"

#include <algorithm>

namespace zor {
namespace {

// Lines of the file: a line ends at a line feed, a carriage return just before it is dropped, and the
// last line may end at the end of the file instead, its carriage return dropped too. A zero byte ends the
// line's text, as it would in a C string. Editors that save UTF-8 may put a byte-order mark first: it is
// no part of the first line.
class LineReader {
  public:
    LineReader(const char* bytes, std::size_t size) : bytes_(bytes), size_(bytes == nullptr ? 0 : size) {
        static constexpr char byteOrderMark[] = "\xEF\xBB\xBF";
        if (size_ >= 3 && std::equal(byteOrderMark, byteOrderMark + 3, bytes_)) position_ = 3;
    }

    bool next(std::u16string& line) {
        if (position_ >= size_) return false;
        std::size_t end = position_;
        while (end < size_ && bytes_[end] != '\n')
            ++end;
        std::size_t length = end - position_;
        if (length > 0 && bytes_[end - 1] == '\r') --length;
        std::size_t textEnd = 0;
        while (textEnd < length && bytes_[position_ + textEnd] != 0)
            ++textEnd;
        line = WidenBytes(bytes_ + position_, textEnd);
        position_ = end + 1;
        return true;
    }

  private:
    const char* bytes_;
    std::size_t size_;
    std::size_t position_ = 0;
};

bool isRecordEnd(const std::u16string& line) {
    return line == u"*END*";
}

std::u16string tooLongMessage(const std::u16string& line) {
    return u"NMEA String <" + line + u">  is greater than 5 characters\n\rCharacter count = " +
           DecimalText(static_cast<std::int64_t>(line.size()));
}

} // namespace

CatalogueLoad LoadCatalogue(SentenceCatalogue& catalogue, const char* bytes, std::size_t size) {
    ResetCatalogue(catalogue);
    CatalogueLoad result;
    LineReader reader(bytes, size);
    std::u16string line;
    for (std::int32_t e = 0; e < catalogueEntryCount; ++e) {
        SentenceEntry& entry = catalogue.entries[e];
        if (!reader.next(line)) break;
        if (line.size() > static_cast<std::size_t>(sentenceIdLength)) {
            result.identifierTooLong = true;
            result.message = tooLongMessage(line);
            break;
        }
        line.resize(sentenceIdLength, sentenceIdWildcard);
        entry.id.assign(line.c_str());

        if (!reader.next(line)) break;
        entry.description.assign(line.c_str());

        // Lines past the 32nd parameter are skipped up to the end of the record.
        std::int32_t parameter = 0;
        while (reader.next(line) && !isRecordEnd(line)) {
            if (parameter < catalogueParameterCount) entry.parameters[parameter++].assign(line.c_str());
        }
        result.captionedEntries = e + 1;
    }
    return result;
}

} // namespace zor
