// The incoming NMEA view's rows: each sentence of a read goes into the next even row, sixteen rows
// from the top; once row 30 is reached the rows scroll up by one sentence for every new one.
#pragma once

#include "toolkit/text_buffer.h"

#include <cstdint>

namespace zor {

inline constexpr std::int32_t incomingRowCount = 32;
inline constexpr std::int32_t incomingLastRow = 30;

struct IncomingRows {
    std::int32_t incomingRow = -2; // row of the last sentence shown; -2 before the first
    WideText rows[incomingRowCount];
};

// Back to the state of a freshly started view: no sentence shown, every row empty.
void ResetIncomingRows(IncomingRows& view);

// Puts the sentences of one read into the rows, each in its own row. A sentence starts with "$", or
// with "!" (AIS and other encapsulated sentences), and runs to the byte before the next sentence's start
// (normally leaving out the line feed), the last one to the end of the data. Returns the
// number of sentences shown; a read of five bytes or fewer shows none.
std::int32_t ShowIncomingSentences(IncomingRows& view, const char* buffer, std::int32_t received);

} // namespace zor
