// The technician's edits are never lost without a question: closing, "Read Settings", "Open Config" and
// "Clear Config" ask first when the form holds settings the converter does not, or a text not entered.
#pragma once

#include <cstdint>

namespace zor {

inline constexpr char16_t unsentChangesTitle[] = u"Unsent Settings";

// What fits of the typed texts is taken (a text that does not fit stays not entered, without a box); then,
// when anything differs from what the converter holds, a box counts it and names up to five of the
// settings with both values. OK: true, the action goes on (okGoesOn says how, "close without sending
// them"); Cancel keeps the edits. Nothing to lose: true without a box.
bool UnsentChangesMayBeLost(const char16_t* okGoesOn);

// The title bar shows the form differing from what the converter holds, as Windows editors do: a
// leading "*".
void ShowUnsentMark();

} // namespace zor
