// Status line texts of "Send Settings" (and of a save, which writes the same image to a file).
#pragma once

#include "link/detection_status.h"

#include <cstdint>
#include <string>

namespace zor {

std::u16string BytesWrittenText(std::int32_t count); // count " bytes written"

} // namespace zor
