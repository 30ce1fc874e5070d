// The image of the record's main function, for "Send Settings" and "Save Config": what was typed is taken
// into the record first, then the record alone is read; a failed check is shown in its message box.
#pragma once

#include "form/form_model.h"
#include "image/image_build.h"

#include <optional>

namespace zor {

// Nothing when a typed text was refused (its box has been shown) or no main function is selected. When a
// check fails its box ("Error", error icon, OK) has been shown and the result is not ok. The sentence
// identifiers lengthened for the image stay in the record, and the field shows the current set's.
std::optional<BuildResult> BuildSelectedImage();

// The image of a record taken at an earlier moment ("Save Config" takes it at its click, before its dialog):
// nothing when no main function is selected, a failed check's box shown.
std::optional<BuildResult> BuildRecordImage(FormModel& record);

} // namespace zor
