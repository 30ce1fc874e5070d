// The sentence picker: a second top-level window, built hidden at start-up, in which a catalogued NMEA
// sentence and its parameters are chosen for the current register set.
#pragma once

#include "toolkit/widget.h"

namespace zor {

// Builds the picker window hidden and loads "nmea.txt" from beside the executable into the catalogue.
void BuildSentencePicker();

extern Widget pickerWindow;

} // namespace zor
