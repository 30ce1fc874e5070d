// The converter's main functions and what the window, zor-config and the settings text know of each.
// Every decision per main function is a switch without default over MainFunction, so a new function
// stops the build at each place that must decide about it; docs/adding-a-main-function.md walks them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zor {

// The value is the digit of the function's image tag: "~ZOR1", "~ZOR2", "~ZOR3".
enum class MainFunction {
    NmeaToSdi12 = 1,
    ModbusToSdi12 = 2,
    Sdi12ToRs232 = 3,
};

inline constexpr std::int32_t mainFunctionCount = 3;

struct MainFunctionFacts {
    std::string_view name;         // the radio's caption, and what zor-config prints
    std::string_view settingsName; // "mainFunction" in settings text (JSON), which also takes name
    std::string_view baudTitle;    // the baud group's title; empty where the function has no baud choice
    bool registerSets;             // its image carries the register sets, so their fields are checked
    bool showsRegisterSet0;        // a complete reply or file shows register set 0 before the switch
};

constexpr MainFunctionFacts FactsOf(MainFunction function) {
    switch (function) {
    case MainFunction::NmeaToSdi12:
        return {"NMEA0183 to SDI12 Slave", "nmea", "", true, true};
    case MainFunction::ModbusToSdi12:
        return {"Modbus Master to SDI12 Slave", "modbus", "Modbus Baud Rate", false, false};
    case MainFunction::Sdi12ToRs232:
        return {"SDI12 to RS232", "serial", "Serial Baud Rate", false, true};
    }
    return {};
}

// Every main function, in the order of their radios (and tags).
inline constexpr std::array<MainFunction, mainFunctionCount> allMainFunctions = [] {
    std::array<MainFunction, mainFunctionCount> functions{};
    for (std::int32_t i = 0; i < mainFunctionCount; ++i)
        functions[static_cast<std::size_t>(i)] = static_cast<MainFunction>(i + 1);
    return functions;
}();

static_assert(FactsOf(static_cast<MainFunction>(mainFunctionCount)).name.size() != 0 &&
                  FactsOf(static_cast<MainFunction>(mainFunctionCount + 1)).name.size() == 0,
              "mainFunctionCount must count the main functions FactsOf knows");

// The tag that opens the image of a main function: "~ZOR" and the function's digit.
inline constexpr char imageTagPrefix[] = "~ZOR";
constexpr char ImageTagDigit(MainFunction function) {
    return static_cast<char>('0' + static_cast<int>(function));
}

// The main function whose image opens with "~ZOR" and digit; none for another character.
constexpr std::optional<MainFunction> MainFunctionOfTagDigit(char digit) {
    for (const MainFunction function : allMainFunctions)
        if (ImageTagDigit(function) == digit) return function;
    return std::nullopt;
}

} // namespace zor
