#include "nmea/parameter_field.h"
#include "toolkit/decimal_text.h"

#include "nmea/byte_text.h"
#include "nmea/received_text.h"

namespace zor {
namespace {

bool endsLine(char c) {
    return c == '\r' || c == '\n';
}

bool endsSentence(char c) {
    return StartsSentence(c) || endsLine(c);
}

bool endsField(char c) {
    return c == ',' || c == '*' || endsSentence(c);
}

bool identifierMatches(const char* head, const char16_t* sentenceId) {
    for (std::int32_t i = 0; i < sentenceIdLength; ++i) {
        char16_t incoming = static_cast<char16_t>(static_cast<unsigned char>(head[i]));
        if (sentenceId[i] == sentenceIdWildcard) incoming = sentenceIdWildcard;
        if (incoming != sentenceId[i]) return false;
    }
    return true;
}

// Field n of the sentence whose "$" is at start, or not found when the sentence has fewer fields or the
// data ends inside the field.
ParameterField fieldOfSentence(const char* data, std::int32_t length, std::int32_t start, std::int32_t n) {
    ParameterField field;
    std::int32_t i = start + 1;
    std::int32_t commas = 0;
    // The fields end where the checksum or the line begins.
    for (; i < length && commas < n; ++i) {
        const char c = data[i];
        if (c == '*' || endsSentence(c)) return field;
        if (c == ',') ++commas;
    }
    if (commas < n) return field;
    std::int32_t end = i;
    while (end < length && !endsField(data[end]))
        ++end;
    if (end == length) return field;
    field.found = true;
    field.start = i;
    field.length = end - i;
    return field;
}

// Whether the sentence whose start is at start has its line end within the data.
bool sentenceComplete(const char* data, std::int32_t length, std::int32_t start) {
    for (std::int32_t i = start + 1; i < length; ++i) {
        if (endsLine(data[i])) return true;
        if (StartsSentence(data[i])) return false;
    }
    return false;
}

} // namespace

ParameterField FindParameterField(const char* buffer, std::int32_t received, const char16_t* sentenceId,
                                  std::int32_t n) {
    if (received < sentenceHeadLength || sentenceId == nullptr) return {};
    if (textLength(sentenceId) < sentenceIdLength || n < 1 || n > catalogueParameterCount) return {};
    const std::int32_t length = ReceivedLength(buffer, received);
    ParameterField newest;
    for (std::int32_t start = FindSentenceStart(buffer, length, 0);
         start >= 0 && length - start >= sentenceHeadLength;
         start = FindSentenceStart(buffer, length, start + 1)) {
        if (!identifierMatches(buffer + start + 1, sentenceId) || !sentenceComplete(buffer, length, start))
            continue;
        const ParameterField field = fieldOfSentence(buffer, length, start, n);
        if (field.found) newest = field;
    }
    return newest;
}

std::int32_t UnfinishedSentenceStart(const char* buffer, std::int32_t received) {
    if (buffer == nullptr) return -1;
    const std::int32_t length = ReceivedLength(buffer, received);
    std::int32_t last = -1;
    for (std::int32_t start = FindSentenceStart(buffer, length, 0); start >= 0;
         start = FindSentenceStart(buffer, length, start + 1))
        last = start;
    if (last < 0 || sentenceComplete(buffer, length, last) || length - last > longestSentence) return -1;
    return last;
}

std::u16string ParameterValueText(const SentenceCatalogue& catalogue, const char16_t* sentenceId,
                                  std::int32_t n, const char* buffer, const ParameterField& field) {
    std::u16string text;
    const std::int32_t entry = Lookup(catalogue, sentenceId, n - 1);
    if (entry >= 0) {
        text = catalogue.entries[entry].parameters[n - 1].c_str();
    } else {
        text = u"Parameter " + DecimalText(n);
    }
    if (field.length > 0 && buffer != nullptr)
        text += u" = " + WidenBytes(buffer + field.start, static_cast<std::size_t>(field.length));
    else
        text += u" (no data available)";
    return text;
}

} // namespace zor
