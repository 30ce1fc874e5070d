// The image "Send Settings" would write for a form: why it is refused, in the window's words, and the
// image saved as "Save Config" saves it (read -o and build).
#pragma once

#include "form/form_model.h"
#include "image/image_build.h"

#include <string>

namespace zor::cli {

// "no main function selected", or "refused: " and the check's message.
std::string BuildRefusal(const BuildResult& built);

// exitOk with the bytes written said on standard error; exitCheckRefused or exitFile with a message
// printed.
int SaveBuiltImage(FormModel& form, const std::string& path);

} // namespace zor::cli
