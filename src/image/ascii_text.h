// The tables of converter facts hold ASCII text; the window captions in 16-bit characters.
#pragma once

#include <string>
#include <string_view>

namespace zor {

inline std::u16string WideAscii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace zor
