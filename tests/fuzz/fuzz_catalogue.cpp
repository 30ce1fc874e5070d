// Any bytes as "nmea.txt": loading must stay inside the input and the catalogue, and every lookup must
// answer an index of a loaded entry or -1.
#include "nmea/sentence_catalogue.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static zor::SentenceCatalogue catalogue;
    const zor::CatalogueLoad result =
        zor::LoadCatalogue(catalogue, reinterpret_cast<const char*>(data), size);
    if (result.captionedEntries < 0 || result.captionedEntries > zor::catalogueEntryCount) std::abort();

    // The first bytes of the input, widened, as the identifier to look up.
    char16_t text[8] = {};
    for (std::size_t i = 0; i < 7 && i < size; ++i)
        text[i] = static_cast<char16_t>(data[i]);
    for (std::int32_t slot = -1; slot <= zor::catalogueParameterCount; ++slot) {
        const std::int32_t entry = zor::Lookup(catalogue, text, slot);
        if (entry < -1 || entry >= zor::catalogueEntryCount) std::abort();
        if (entry >= 0 && catalogue.entries[entry].parameters[slot].length() == 0) std::abort();
    }
    return 0;
}
