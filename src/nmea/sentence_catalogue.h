// The catalogue of NMEA0183 sentences read from "nmea.txt": 80 entries, each an identifier, a
// description and the descriptions of up to 32 comma-separated parameters.
#pragma once

#include "toolkit/text_buffer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace zor {

inline constexpr std::int32_t catalogueEntryCount = 80;
inline constexpr std::int32_t catalogueParameterCount = 32;
inline constexpr std::int32_t sentenceIdLength = 5;
// In an identifier this character matches any character.
inline constexpr char16_t sentenceIdWildcard = u'*';

struct SentenceEntry {
    WideText id;                                  // five characters once loaded, empty before
    WideText description;                         // "-- undefined --" until loaded
    WideText parameters[catalogueParameterCount]; // empty = no such parameter
};

struct SentenceCatalogue {
    SentenceEntry entries[catalogueEntryCount];
    SentenceCatalogue();
};

// The program's one catalogue, loaded once while the sentence picker is built.
extern SentenceCatalogue sentenceCatalogue;

// What loading found, for the picker and the message box the caller shows.
struct CatalogueLoad {
    // Entries 0..captionedEntries-1 were read up to their description: their picker buttons take their id.
    std::int32_t captionedEntries = 0;
    // An identifier line longer than five characters ended loading; the box text is in message.
    bool identifierTooLong = false;
    std::u16string message;
};

// Every entry back to its state before loading.
void ResetCatalogue(SentenceCatalogue& catalogue);

// Fills the catalogue from the bytes of a catalogue file (after resetting it). Never reads past size.
CatalogueLoad LoadCatalogue(SentenceCatalogue& catalogue, const char* bytes, std::size_t size);

// The index of the first entry whose identifier matches the first five characters of text (either side's
// "*" matching anything) and that describes parameter slot (0-based); -1 when none does, when text is
// absent or shorter than five characters, or when slot is outside 0..31.
std::int32_t Lookup(const SentenceCatalogue& catalogue, const char16_t* text, std::int32_t slot);

} // namespace zor
