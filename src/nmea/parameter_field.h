// The real-time parameter view: the value of field n of the first received sentence whose identifier
// matches the configured one, and the status line text that names it.
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

// Looks at the sentences of one read, starting with the first "$". A sentence whose identifier differs
// from sentenceId (where sentenceId has "*" any character matches) ends the search. Field n (1..32) is
// the text after the sentence's n-th comma; it ends at the next ",", "*" (the checksum), carriage
// return, line feed or "$", so a value never carries the checksum or the next sentence. A sentence with
// fewer fields, or whose field is cut off by the end of the data, passes the search on to the next "$".
ParameterField FindParameterField(const char* buffer, std::int32_t received, const char16_t* sentenceId,
                                  std::int32_t n);

// The status line text for a found field: the catalogue's description of parameter n (or "Parameter "
// and n when the catalogue has none), then " = " and the value, or " (no data available)" when empty.
std::u16string ParameterValueText(const SentenceCatalogue& catalogue, const char16_t* sentenceId,
                                  std::int32_t n, const char* buffer, const ParameterField& field);

} // namespace zor
