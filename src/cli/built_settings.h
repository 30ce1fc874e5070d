// The image "Send Settings" would write for a form: why it is refused, in the window's words, and the
// image saved as "Save Config" saves it (read -o and build).
#pragma once

#include "form/form_model.h"
#include "image/image_build.h"
#include "link/reply_outcome.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor::cli {

// "no main function selected", or "refused: " and the check's message.
std::string BuildRefusal(const BuildResult& built);

// exitOk with the bytes written said on standard error; exitCheckRefused or exitFile with a message
// printed.
int SaveBuiltImage(FormModel& form, const std::string& path);

// A configuration file is taken only as a whole "Send Settings" would send, as "Open Config" takes it:
// exitOk, or exitCheckRefused with the first value refused said in the window's words.
int RefuseUnsendableFile(const std::string& path, const ReplyOutcome& file);

} // namespace zor::cli
