// The three arrangements of the form, one per main function of the converter. None of them changes
// which main function radio is selected.
#pragma once

#include "image/image_layout.h"

#include <optional>

namespace zor {

void ApplyNmeaLayout();
void ApplyModbusLayout();
void ApplySerialLayout();

// The main function whose radio is selected; none while no radio is.
std::optional<MainFunction> SelectedMainFunction();

} // namespace zor
