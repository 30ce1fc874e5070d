#include "nmea/incoming_sentences.h"

#include "nmea/byte_text.h"
#include "nmea/received_text.h"

namespace zor {
namespace {

void showInNextRow(IncomingRows& view, const char16_t* sentence) {
    view.incomingRow += 2;
    if (view.incomingRow > incomingLastRow) {
        view.incomingRow = incomingLastRow;
        for (std::int32_t row = 0; row < incomingLastRow; row += 2)
            view.rows[row].assign(view.rows[row + 2].c_str());
    }
    view.rows[view.incomingRow].assign(sentence);
}

} // namespace

void ResetIncomingRows(IncomingRows& view) {
    view.incomingRow = -2;
    for (WideText& row : view.rows)
        row.assign(u"");
}

std::int32_t ShowIncomingSentences(IncomingRows& view, const char* buffer, std::int32_t received) {
    if (received < sentenceHeadLength) return 0;
    const std::int32_t length = ReceivedLength(buffer, received);
    std::int32_t shown = 0;
    std::int32_t start = FindSentenceStart(buffer, length, 0);
    while (start >= 0 && length - start >= sentenceHeadLength) {
        const std::int32_t next = FindSentenceStart(buffer, length, start + 1);
        const std::int32_t end = next < 0 ? length : next - 1;
        const std::int32_t count = end > start ? end - start : 0;
        showInNextRow(view, WidenBytes(buffer + start, static_cast<std::size_t>(count)).c_str());
        ++shown;
        start = next;
    }
    return shown;
}

} // namespace zor
