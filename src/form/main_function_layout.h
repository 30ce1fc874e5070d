// The three arrangements of the form, one per main function of the converter. None of them changes
// which main function radio is selected.
#pragma once

#include "image/main_function.h"
#include "toolkit/widget.h"

#include <optional>

namespace zor {

void ApplyNmeaLayout();
void ApplyModbusLayout();
void ApplySerialLayout();
// The arrangement of a main function.
void ApplyMainFunctionLayout(MainFunction function);

// The radio that selects a main function.
Widget& MainFunctionRadio(MainFunction function);

// Selects the radio of the arrangement shown, none before the first: after a refused click.
void RestoreMainFunctionRadios();

// The main function whose radio is selected; none while no radio is.
std::optional<MainFunction> SelectedMainFunction();

} // namespace zor
