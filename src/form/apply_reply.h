// Writing a converter reply (or an opened configuration file) into the form.
#pragma once

#include <cstdint>

namespace zor {

// The first count bytes of the receive buffer hold a reply tag: its image is decoded into the
// FormModel and the fields that hold their own values, the final status is shown, and a complete
// image beeps, refreshes the form and switches it to the image's main function.
void ApplyReplyToForm(const std::uint8_t* buffer, std::int32_t count, bool fromFile);

} // namespace zor
