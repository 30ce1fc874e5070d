// The columns of the Modbus table, in the order the window shows them, the image carries each row and
// the settings text names them. The window, the image codec, zor-config and the settings text all take
// the columns from here.
#pragma once

#include "image/image_build.h"
#include "image/image_decode.h"
#include "image/image_layout.h"
#include "image/value_rules.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zor {

struct ModbusColumn {
    std::string_view key;        // modbusRows[i].key in the settings text
    const WholeNumberRule* rule; // the numbers a cell takes; its field is the column's title
    std::int32_t offset;         // of row 1 in the "~ZOR2" image
    std::int32_t width;          // bytes per row: 1, or 2 with the high byte first
    std::array<const char16_t*, modbusRowCount> ModbusTableTexts::*texts;
    std::uint16_t ModbusRow::*cell;
};

inline constexpr std::int32_t modbusColumnCount = 4;
inline constexpr std::array<ModbusColumn, modbusColumnCount> modbusColumns = {{
    {"address", &modbusAddressRule, zor2::addressColumnOffset, 1, &ModbusTableTexts::address,
     &ModbusRow::address},
    {"command", &modbusCommandRule, zor2::commandColumnOffset, 1, &ModbusTableTexts::command,
     &ModbusRow::command},
    {"startReg", &startRegRule, zor2::startRegColumnOffset, 2, &ModbusTableTexts::startReg,
     &ModbusRow::startReg},
    {"regCount", &regCountRule, zor2::regCountColumnOffset, 2, &ModbusTableTexts::regCount,
     &ModbusRow::regCount},
}};

// Where the cell of a row (0..9) stands in the image.
constexpr std::int32_t ModbusCellOffset(const ModbusColumn& column, std::int32_t row) {
    return column.offset + column.width * row;
}

} // namespace zor
