// Numbers as the system shows them: signed decimal, no leading zeros.
#pragma once

#include <cstdint>
#include <string>

namespace zor {

std::u16string DecimalText(std::int64_t value);

} // namespace zor
