// The image of the selected main function, built from the FormModel and the fields that hold their
// own text; a failed check is shown in its message box.
#pragma once

#include "image/image_build.h"

#include <optional>

namespace zor {

IdentityFields IdentityFromForm();
ModbusTableTexts ModbusTableFromForm();

// Nothing when no main function is selected. When a check fails its box ("Error", error icon, OK)
// has been shown and the result is not ok. The sentence identifiers lengthened for the image stay in
// the form, the field of the current set included.
std::optional<BuildResult> BuildSelectedImage();

} // namespace zor
