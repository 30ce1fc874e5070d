#include "nmea/sentence_catalogue.h"

namespace zor {

SentenceCatalogue sentenceCatalogue;

SentenceCatalogue::SentenceCatalogue() {
    ResetCatalogue(*this);
}

void ResetCatalogue(SentenceCatalogue& catalogue) {
    for (SentenceEntry& entry : catalogue.entries) {
        entry.id.release();
        entry.description.assign(u"-- undefined --");
        for (WideText& parameter : entry.parameters)
            parameter.release();
    }
}

std::int32_t Lookup(const SentenceCatalogue& catalogue, const char16_t* text, std::int32_t slot) {
    if (text == nullptr || textLength(text) < sentenceIdLength) return -1;
    if (slot < 0 || slot >= catalogueParameterCount) return -1;
    for (std::int32_t i = 0; i < catalogueEntryCount; ++i) {
        const SentenceEntry& entry = catalogue.entries[i];
        if (entry.id.length() != sentenceIdLength) continue;
        const char16_t* id = entry.id.c_str();
        bool matches = true;
        for (std::int32_t k = 0; k < sentenceIdLength && matches; ++k)
            matches = text[k] == id[k] || text[k] == sentenceIdWildcard || id[k] == sentenceIdWildcard;
        if (matches && entry.parameters[slot].length() > 0) return i;
    }
    return -1;
}

} // namespace zor
