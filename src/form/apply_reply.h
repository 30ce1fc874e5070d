// Writing a converter reply (or an opened configuration file) into the form.
#pragma once

#include "link/reply_outcome.h"

namespace zor {

inline constexpr char16_t fileRefusedText[] = u"Configuration file refused";

// A reply (or file) recognised with its tag: a complete image is written into the record, the form shows
// it and switches to the image's main function, the final status is shown and the form beeps. A complete
// reply is also what the converter holds; a file whose values a send would refuse is refused, naming the
// first of them, and the record keeps what it held.
void ApplyReplyToForm(const ReplyOutcome& outcome, bool fromFile);

} // namespace zor
