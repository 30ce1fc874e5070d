// Any bytes as one read from the port, in the 8192-byte receive buffer: the incoming view and the
// real-time parameter view must stay inside the data, and a found field must lie within it.
#include "nmea/incoming_sentences.h"
#include "nmea/parameter_field.h"
#include "nmea/received_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t receiveCapacity = 8192;

const zor::SentenceCatalogue& catalogue() {
    static zor::SentenceCatalogue loaded;
    static bool done = false;
    if (!done) {
        const std::string file = "GPGGA\nfix\nUTC time\nLatitude\nN/S\n*END*\nGP*\nany\na\nb\n*END*\n";
        zor::LoadCatalogue(loaded, file.data(), file.size());
        done = true;
    }
    return loaded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Byte 0 picks the field, bytes 1..5 the configured identifier, the rest is the read.
    if (size < 6) return 0;
    const std::int32_t n = data[0] % 34;
    char16_t sentenceId[6] = {};
    for (std::size_t i = 0; i < 5; ++i)
        sentenceId[i] = static_cast<char16_t>(data[1 + i]);
    data += 6;
    size -= 6;

    static char buffer[receiveCapacity];
    std::memset(buffer, 0, sizeof buffer);
    const std::size_t count = size < receiveCapacity ? size : receiveCapacity;
    if (count > 0) std::memcpy(buffer, data, count);
    const auto received = static_cast<std::int32_t>(count);

    static zor::IncomingRows rows;
    if (zor::ShowIncomingSentences(rows, buffer, received) < 0) std::abort();
    if (rows.incomingRow > zor::incomingLastRow || rows.incomingRow % 2 != 0) std::abort();

    const zor::ParameterField field = zor::FindParameterField(buffer, received, sentenceId, n);
    if (field.found) {
        if (field.start < 0 || field.length < 0 || field.start + field.length >= received) std::abort();
        const std::u16string text = zor::ParameterValueText(catalogue(), sentenceId, n, buffer, field);
        if (text.empty()) std::abort();
    }
    const std::int32_t unfinished = zor::UnfinishedSentenceStart(buffer, received);
    if (unfinished >= received || unfinished < -1) std::abort();
    // The unfinished sentence lies within the data, which end at the first zero byte.
    if (unfinished >= 0 && zor::ReceivedLength(buffer, received) - unfinished > zor::longestSentence)
        std::abort();
    return 0;
}
