#include "toolkit/decimal_text.h"

#include <charconv>

namespace zor {

std::u16string DecimalText(std::int64_t value) {
    char narrow[24];
    const char* end = std::to_chars(narrow, narrow + sizeof narrow, value).ptr;
    std::u16string wide;
    for (const char* c = narrow; c != end; ++c)
        wide.push_back(static_cast<char16_t>(*c));
    return wide;
}

} // namespace zor
