// The image of the record's main function, for "Send Settings" and "Save Config": what was typed is taken
// into the record first, then the record alone is read; a failed check is shown in its message box.
#pragma once

#include "image/image_build.h"

#include <optional>

namespace zor {

// Nothing when a typed text was refused (its box has been shown) or no main function is selected. When a
// check fails its box ("Error", error icon, OK) has been shown and the result is not ok. The sentence
// identifiers lengthened for the image stay in the record, and the field shows the current set's.
std::optional<BuildResult> BuildSelectedImage();

} // namespace zor
