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

// The record's main function, which its radio shows.
std::optional<MainFunction> SelectedMainFunction();

} // namespace zor
