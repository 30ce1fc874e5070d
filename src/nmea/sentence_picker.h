// The sentence picker: a second top-level window, built hidden once the main window has painted, in which a
// catalogued NMEA sentence and its parameters are chosen for the current register set. It also hosts the
// incoming NMEA view, which borrows its parameter rows.
#pragma once

#include "nmea/sentence_catalogue.h"
#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

inline constexpr Argb pickedColour = 0xFF7CFC00;
inline constexpr Argb pickedHoverColour = 0xFF90EE90;
inline constexpr std::int32_t pickerRowCount = catalogueParameterCount;

struct SentencePicker {
    Widget okButton, cancelButton;
    Widget selectorsGroup; // "NMEA Sentence Selectors"
    Widget sentenceButton[catalogueEntryCount];
    Widget clearButton;    // "Clear Selection"
    Widget incomingButton; // "View Incoming NMEA" / "Hide Incoming NMEA"
    Widget parametersGroup;
    Widget row[pickerRowCount];

    std::int32_t pickedSentence = 0; // 0: none; e + 1: entry e
    std::uint32_t pickedParameterMask = 0;
};

extern Widget pickerWindow;
extern SentencePicker sentencePicker;

// Loads "nmea.txt" from beside the executable into the catalogue, at start-up.
void LoadSentenceCatalogue();
// Builds the picker window hidden, captioning a sentence button for each catalogue entry read.
void BuildSentencePicker();
// Builds the picker unless it is built: the form builds it once it has painted, or at the first "Pick".
void EnsureSentencePicker();

// Titles the "Parameters" group and fills the rows with the parameters of entry e, or empties them
// for e = -1.
void ShowParameterList(std::int32_t e);

// The background a row has when it is not chosen: the rows alternate two greys.
Argb RowColour(std::int32_t row);

} // namespace zor
