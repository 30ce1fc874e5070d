// The real-time parameter view: the value of field n of the newest complete received sentence whose
// identifier matches the configured one, and the status line text that names it.
#pragma once

#include "nmea/sentence_catalogue.h"

#include <cstdint>
#include <string>

namespace zor {

struct ParameterField {
    bool found = false;
    std::int32_t start = 0;  // byte offset of the value in the buffer
    std::int32_t length = 0; // 0 for an empty field (two separators in a row)
};

// Looks at every sentence of one read ("$" or "!" to its line end) and takes field n (1..32) of the
// newest complete one whose identifier matches sentenceId (where sentenceId has "*" any character
// matches): a receiver sends a burst of sentences a second, and any of them may be the one configured.
// A sentence cut off by the end of the data, or by the start of another before its line end, does not
// count; nor does one with fewer fields. The field is the text after the sentence's n-th comma; it ends
// at the next ",", "*" (the checksum) or the line end, so a value never carries the checksum.
ParameterField FindParameterField(const char* buffer, std::int32_t received, const char16_t* sentenceId,
                                  std::int32_t n);

// A read ends where its time-out falls, often inside a sentence whose rest comes with the next read.
// The start of that last, unfinished sentence (no line end yet), or -1 when the data end with a whole
// sentence or the unfinished one is longer than any sentence.
inline constexpr std::int32_t longestSentence = 128;
std::int32_t UnfinishedSentenceStart(const char* buffer, std::int32_t received);

// The status line text for a found field: the catalogue's description of parameter n (or "Parameter "
// and n when the catalogue has none), then " = " and the value, or " (no data available)" when empty.
std::u16string ParameterValueText(const SentenceCatalogue& catalogue, const char16_t* sentenceId,
                                  std::int32_t n, const char* buffer, const ParameterField& field);

} // namespace zor
