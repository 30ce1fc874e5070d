// The threshold functions of a register set, by the number the image carries: the window's radios,
// zor-config's text and the settings text show them by these symbols.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zor {

inline constexpr std::int32_t thresholdFunctionCount = 5;
inline constexpr std::array<std::string_view, thresholdFunctionCount> thresholdFunctionSymbols = {
    "<", ">", "=", "<=", ">="};

// The symbol of a function 0..thresholdFunctionCount - 1; empty for any other number.
constexpr std::string_view ThresholdFunctionSymbol(std::int32_t function) {
    if (function < 0 || function >= thresholdFunctionCount) return {};
    return thresholdFunctionSymbols[static_cast<std::size_t>(function)];
}

} // namespace zor
