// The picker's choice taken into the form: the identifier into "NMEA Sentence ID" and the chosen
// parameters into the slots of the current register set.
#pragma once

#include <cstdint>

namespace zor {

void TakePickedSentence(const char16_t* id, std::uint32_t parameterMask);

// The identifier of the current register set, for the real-time view.
const char16_t* CurrentSentenceId();

} // namespace zor
