#include "cli/settings_json.h"

#include "cli/exit_codes.h"
#include "cli/text.h"
#include "form/settings_record.h"
#include "image/baud_rates.h"
#include "image/nmea_number_fields.h"
#include "image/settings_keys.h"
#include "image/threshold_functions.h"
#include "image/value_rules.h"
#include "toolkit/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zor::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// "a, b or c is expected", each choice written by write.
template <typename Choices, typename Write>
std::string oneOfExpected(const Choices& choices, Write write) {
    std::string text;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0) text += i + 1 == choices.size() ? " or " : ", ";
        text += write(choices[i]);
    }
    return text + " is expected";
}

// Appended rather than concatenated: GCC 12 warns (wrongly) of an overlap on the MinGW build.
std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result += text;
    result += '"';
    return result;
}

// The shortest decimal that reads back as the same float, as a JSON number.
double shortestDecimal(float value) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text - 1, value);
    *written.ptr = 0;
    return std::strtod(text, nullptr);
}

void baudJson(ordered_json& out, std::int32_t index) {
    if (const std::optional<std::int32_t> rate = BaudRateOfIndex(index))
        out[key::baud] = *rate;
    else
        out[key::baudIndex] = index;
}

// Reading with the name of the value in every message.
class Reader {
  public:
    explicit Reader(std::string& error) : error_(error) {}

    bool fail(const std::string& where, const std::string& what) {
        error_ = where + ": " + what;
        return false;
    }
    // A value the window would refuse, in its words.
    bool refuse(const std::u16string& message) {
        error_ = "refused: " + Utf8(message);
        refused_ = true;
        return false;
    }
    bool refused() const { return refused_; }

    bool integer(const json& value, const std::string& where, std::int64_t low, std::int64_t high,
                 std::int64_t& out) {
        if (!value.is_number_integer()) return fail(where, "a whole number is expected");
        if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(high))
            return fail(where, "out of range");
        out = value.get<std::int64_t>();
        if (out < low || out > high) return fail(where, "out of range");
        return true;
    }
    bool int32(const json& value, const std::string& where, std::int32_t& out) {
        std::int64_t v = 0;
        if (!integer(value, where, std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max(), v))
            return false;
        out = static_cast<std::int32_t>(v);
        return true;
    }
    bool text(const json& value, const std::string& where, std::u16string& out) {
        if (!value.is_string()) return fail(where, "a text is expected");
        const auto wide = FromUtf8(value.get<std::string>());
        if (!wide) return fail(where, "not UTF-8");
        out = *wide;
        return true;
    }
    // A text of bytes: each character's code must fit a byte.
    bool byteText(const json& value, const std::string& where, std::string& out) {
        std::u16string wide;
        if (!text(value, where, wide)) return false;
        out.clear();
        for (const char16_t c : wide) {
            if (c > 255) return fail(where, "a character beyond code 255");
            out.push_back(static_cast<char>(c));
        }
        return true;
    }
    // A cell of the window: the text as typed, or a number written as its decimal text.
    bool cell(const json& value, const std::string& where, std::u16string& out) {
        if (value.is_number_integer()) {
            out = value.is_number_unsigned() ? DecimalText(static_cast<std::int64_t>(std::min<std::uint64_t>(
                                                   value.get<std::uint64_t>(), INT64_MAX)))
                                             : DecimalText(value.get<std::int64_t>());
            return true;
        }
        if (value.is_string()) return text(value, where, out);
        return fail(where, "a whole number or a text is expected");
    }
    // A number, or the text typed into the window's field (checked once the decimals are known).
    bool decimal(const json& value, const std::string& where, float& out) {
        if (value.is_string()) {
            const std::optional<std::u16string> typed = FromUtf8(value.get<std::string>());
            out = typed ? DecimalFieldValue(typed->c_str()).value_or(0.0f) : 0.0f;
            return true;
        }
        if (!value.is_number()) return fail(where, "a number or the text typed is expected");
        // The number's own text, read straight into a float: no rounding through a double first.
        const std::string digits = value.dump();
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), out);
        if (read.ec != std::errc{}) return fail(where, "out of range");
        return true;
    }
    bool object(const json& value, const std::string& where, const std::vector<std::string_view>& keys) {
        if (!value.is_object()) return fail(where, "an object is expected");
        for (const auto& item : value.items()) {
            bool known = false;
            for (const std::string_view name : keys)
                known = known || item.key() == name;
            if (!known) return fail(key::In(where, item.key()), "unknown value");
        }
        return true;
    }
    bool list(const json& value, const std::string& where, std::size_t most) {
        if (!value.is_array()) return fail(where, "a list is expected");
        if (value.size() > most) return fail(where, "at most " + std::to_string(most) + " entries");
        return true;
    }

  private:
    std::string& error_;
    bool refused_ = false;
};

bool readFunction(Reader& r, const json& value, std::optional<MainFunction>& out) {
    if (!value.is_string()) return r.fail(key::mainFunction, "a text is expected");
    const std::string name = value.get<std::string>();
    for (const MainFunction function : allMainFunctions) {
        if (name == FactsOf(function).settingsName || name == FactsOf(function).name) {
            out = function;
            return true;
        }
    }
    return r.fail(key::mainFunction, oneOfExpected(allMainFunctions, [](MainFunction function) {
                      return quoted(FactsOf(function).settingsName);
                  }));
}

bool readBaud(Reader& r, const json& j, std::int32_t& index) {
    if (j.contains(key::baud)) {
        std::int32_t rate = 0;
        if (!r.int32(j[key::baud], key::baud, rate)) return false;
        for (std::int32_t i = 0; i < baudChoiceCount; ++i) {
            if (baudRates[static_cast<std::size_t>(i)] == rate) {
                index = i + 1;
                return true;
            }
        }
        return r.fail(key::baud,
                      oneOfExpected(baudRates, [](std::int32_t choice) { return std::to_string(choice); }));
    }
    if (j.contains(key::baudIndex)) {
        std::int64_t v = 0;
        if (!r.integer(j[key::baudIndex], key::baudIndex, 0, 255, v)) return false;
        index = static_cast<std::int32_t>(v);
    }
    return true;
}

bool readRegisterSet(Reader& r, const json& set, const std::string& where, NmeaSettings& s, std::size_t k) {
    if (!r.object(set, where,
                  {key::sentenceId, key::parameters, key::parameterSelectMask, key::monitoredParameter,
                   key::thresholdFunction, key::threshold, key::hysteresis}))
        return false;
    if (set.contains(key::sentenceId) &&
        !r.text(set[key::sentenceId], key::In(where, key::sentenceId), s.sentenceId[k]))
        return false;
    // The window's field takes no control character, and a NUL would end the identifier unseen.
    for (const char16_t c : s.sentenceId[k])
        if (c < u' ') return r.refuse(sentenceIdOutOfRangeFailure.message);
    if (set.contains(key::parameterSelectMask)) {
        std::int64_t mask = 0;
        if (!r.integer(set[key::parameterSelectMask], key::In(where, key::parameterSelectMask), 0,
                       0xFFFFFFFFll, mask))
            return false;
        s.parameterSelectMask[k] = static_cast<std::uint32_t>(mask);
    }
    if (set.contains(key::parameters)) {
        const json& slots = set[key::parameters];
        if (!r.list(slots, key::In(where, key::parameters), 32)) return false;
        std::uint32_t mask = 0;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            std::int64_t slot = 0;
            if (!r.integer(slots[i], key::At(key::In(where, key::parameters), static_cast<std::int32_t>(i)),
                           1, 32, slot))
                return false;
            // The window's picker selects a parameter once; twice is a slip in the file.
            if ((mask & (1u << (slot - 1))) != 0)
                return r.refuse(u"Parameter " + DecimalText(slot) + u" of register set " +
                                DecimalText(static_cast<std::int64_t>(k)) + u" is selected twice");
            mask |= 1u << (slot - 1);
        }
        s.parameterSelectMask[k] = mask;
    }
    if (set.contains(key::monitoredParameter)) {
        const json& monitored = set[key::monitoredParameter];
        std::u16string typed;
        if (monitored.is_string() && r.text(monitored, key::In(where, key::monitoredParameter), typed)) {
            const CheckFailure failure = CheckWholeNumberText(typed.c_str(), monitoredParameterRule,
                                                              InRegisterSet(static_cast<std::int32_t>(k)));
            if (failure.step != 0) return r.refuse(failure.message);
            s.monitoredParameter[k] = FieldNumber(typed.c_str());
        } else if (!r.int32(monitored, key::In(where, key::monitoredParameter), s.monitoredParameter[k])) {
            return false;
        }
    }
    if (set.contains(key::thresholdFunction)) {
        const json& f = set[key::thresholdFunction];
        if (f.is_string()) {
            bool found = false;
            for (std::int32_t i = 0; i < thresholdFunctionCount; ++i) {
                if (f.get<std::string>() == thresholdFunctionSymbols[static_cast<std::size_t>(i)]) {
                    s.thresholdFunction[k] = i;
                    found = true;
                }
            }
            if (!found)
                return r.fail(key::In(where, key::thresholdFunction),
                              oneOfExpected(thresholdFunctionSymbols, quoted));
        } else if (!r.int32(f, key::In(where, key::thresholdFunction), s.thresholdFunction[k])) {
            return false;
        }
    }
    if (set.contains(key::threshold) &&
        !r.decimal(set[key::threshold], key::In(where, key::threshold), s.threshold[k]))
        return false;
    if (set.contains(key::hysteresis) &&
        !r.decimal(set[key::hysteresis], key::In(where, key::hysteresis), s.hysteresis[k]))
        return false;
    return true;
}

// The numbers of the group that object holds, each where the settings text names it.
bool readNumbers(Reader& r, const json& object, std::string_view group, NmeaSettings& s) {
    for (const NmeaNumberField& field : nmeaNumberFields) {
        if (field.group != group) continue;
        const std::string name(field.key);
        if (object.contains(name) && !r.int32(object[name], key::In(group, name), s.*field.value))
            return false;
    }
    return true;
}

// The numbers of the group as the settings text writes them; the converter's own words only when
// converterOwned is set.
void writeNumbers(ordered_json& object, std::string_view group, bool converterOwned, const NmeaSettings& s) {
    for (const NmeaNumberField& field : nmeaNumberFields)
        if (field.group == group && field.converterOwned == converterOwned)
            object[std::string(field.key)] = s.*field.value;
}

// A threshold or hysteresis as the window takes it typed, against the decimals the settings end with:
// a text that is no number is refused in the window's words, and a value with more decimals than the
// converter keeps is refused rather than cut.
bool checkTypedDecimals(Reader& r, const json& sets, const NmeaSettings& s) {
    for (std::size_t k = 0; k < sets.size(); ++k) {
        const auto set = static_cast<std::int32_t>(k);
        for (const auto& [name, label] :
             {std::pair{key::threshold, thresholdLabel}, {key::hysteresis, hysteresisLabel}}) {
            if (!sets[k].contains(name)) continue;
            const json& value = sets[k][name];
            const std::string typed = value.is_string() ? value.get<std::string>() : value.dump();
            const std::u16string wide = FromUtf8(typed).value_or(u"?");
            const CheckFailure failure =
                CheckDecimalText(wide.c_str(), s.thresholdDecimals, label, InRegisterSet(set));
            if (failure.step != 0) return r.refuse(failure.message);
            std::string dotted = typed; // the window takes "," for the decimal point
            std::replace(dotted.begin(), dotted.end(), ',', '.');
            const double scaled = std::strtod(dotted.c_str(), nullptr) * std::pow(10.0, s.thresholdDecimals);
            if (std::abs(scaled - std::round(scaled)) > 1e-6 * std::max(1.0, std::abs(scaled)))
                return r.refuse(u"\"" + std::u16string(label) + u"\" of register set " + DecimalText(set) +
                                u" has more decimals than the converter keeps (" +
                                DecimalText(s.thresholdDecimals) + u")");
        }
    }
    return true;
}

bool readNmea(Reader& r, const json& j, NmeaSettings& s) {
    if (!readNumbers(r, j, "", s)) return false; // the decimals first: the thresholds are read by them
    if (j.contains(key::registerSets)) {
        const json& sets = j[key::registerSets];
        if (!r.list(sets, key::registerSets, registerSetCount)) return false;
        for (std::size_t k = 0; k < sets.size(); ++k)
            if (!readRegisterSet(r, sets[k], key::At(key::registerSets, k), s, k)) return false;
        if (!checkTypedDecimals(r, sets, s)) return false;
    }
    if (j.contains(key::averaging)) {
        const json& a = j[key::averaging];
        std::vector<std::string_view> keys = {key::enabled};
        for (const NmeaNumberField& field : nmeaNumberFields)
            if (field.group == key::averaging) keys.push_back(field.key);
        if (!r.object(a, key::averaging, keys)) return false;
        if (a.contains(key::enabled)) {
            if (a[key::enabled].is_boolean()) {
                s.flagBytes[0] = a[key::enabled].get<bool>() ? 1 : 0;
            } else {
                std::int64_t v = 0;
                if (!r.integer(a[key::enabled], key::In(key::averaging, key::enabled), 0, 255, v))
                    return false;
                s.flagBytes[0] = static_cast<std::int32_t>(v);
            }
        }
        if (!readNumbers(r, a, key::averaging, s)) return false;
    }
    if (j.contains(key::flagBytes1to9)) {
        const json& flags = j[key::flagBytes1to9];
        if (!r.list(flags, key::flagBytes1to9, registerSetCount - 1)) return false;
        for (std::size_t k = 0; k < flags.size(); ++k) {
            std::int64_t v = 0;
            if (!r.integer(flags[k], key::At(key::flagBytes1to9, k), 0, 255, v)) return false;
            s.flagBytes[k + 1] = static_cast<std::int32_t>(v);
        }
    }
    if (j.contains(key::firmwareVersion)) {
        if (!r.byteText(j[key::firmwareVersion], key::firmwareVersion, s.firmwareVersion)) return false;
        if (s.firmwareVersion.size() > firmwareVersionLength)
            return r.fail(key::firmwareVersion, "at most three characters");
    }
    return true;
}

bool readModbus(Reader& r, const json& j, FormModel& cells) {
    if (j.contains(key::modbusRows)) {
        const json& rows = j[key::modbusRows];
        if (!r.list(rows, key::modbusRows, modbusRowCount)) return false;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::string where = key::At(key::modbusRows, row);
            const json& cellsOfRow = rows[row];
            std::vector<std::string_view> keys;
            for (const ModbusColumn& column : modbusColumns)
                keys.push_back(column.key);
            if (!r.object(cellsOfRow, where, keys)) return false;
            for (std::int32_t c = 0; c < modbusColumnCount; ++c) {
                const std::string name(modbusColumns[c].key);
                if (cellsOfRow.contains(name) &&
                    !r.cell(cellsOfRow[name], key::In(where, name), cells.modbusCells[c][row]))
                    return false;
            }
        }
    }
    if (j.contains(key::modbusTimeout) &&
        !r.cell(j[key::modbusTimeout], key::modbusTimeout, cells.modbusTimeout))
        return false;
    return true;
}

void writeNmea(ordered_json& out, const NmeaSettings& s) {
    ordered_json sets = ordered_json::array();
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        ordered_json set;
        set[key::sentenceId] = Utf8(s.sentenceId[k]);
        ordered_json slots = ordered_json::array();
        for (int bit = 0; bit < 32; ++bit)
            if ((s.parameterSelectMask[k] & (1u << bit)) != 0) slots.push_back(bit + 1);
        set[key::parameters] = slots;
        set[key::monitoredParameter] = s.monitoredParameter[k];
        const std::string_view symbol = ThresholdFunctionSymbol(s.thresholdFunction[k]);
        if (!symbol.empty())
            set[key::thresholdFunction] = std::string(symbol);
        else
            set[key::thresholdFunction] = s.thresholdFunction[k];
        set[key::threshold] = shortestDecimal(s.threshold[k]);
        set[key::hysteresis] = shortestDecimal(s.hysteresis[k]);
        sets.push_back(set);
    }
    out[key::registerSets] = sets;
    writeNumbers(out, "", false, s);
    ordered_json averaging;
    if (s.flagBytes[0] == 0 || s.flagBytes[0] == 1)
        averaging[key::enabled] = s.flagBytes[0] == 1;
    else
        averaging[key::enabled] = s.flagBytes[0];
    writeNumbers(averaging, key::averaging, false, s);
    out[key::averaging] = averaging;
    ordered_json flags = ordered_json::array();
    for (std::int32_t k = 1; k < registerSetCount; ++k)
        flags.push_back(s.flagBytes[k] & 0xFF);
    out[key::flagBytes1to9] = flags;
    writeNumbers(out, "", true, s);
    out[key::firmwareVersion] = Latin1ToUtf8(s.firmwareVersion);
}

void writeModbus(ordered_json& out, const FormModel& modbus) {
    ordered_json rows = ordered_json::array();
    for (std::int32_t row = 0; row < modbusRowCount; ++row) {
        ordered_json cells;
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            cells[std::string(modbusColumns[c].key)] = FieldNumber(modbus.modbusCells[c][row].c_str());
        rows.push_back(cells);
    }
    out[key::modbusRows] = rows;
    out[key::modbusTimeout] = FieldNumber(modbus.modbusTimeout.c_str());
}

bool readSettings(Reader& r, FormModel& form, const json& j, bool takeSerial) {
    std::vector<std::string_view> keys = {
        key::mainFunction,    key::sdi12Address, key::serialNumber,  key::registerSets, key::flagBytes1to9,
        key::firmwareVersion, key::modbusRows,   key::modbusTimeout, key::baud,         key::baudIndex};
    for (const NmeaNumberField& field : nmeaNumberFields)
        keys.push_back(field.group.empty() ? field.key : field.group);
    if (!r.object(j, "", keys)) return false;
    if (j.contains(key::mainFunction) && !readFunction(r, j[key::mainFunction], form.mainFunction))
        return false;
    if (j.contains(key::sdi12Address) && !r.text(j[key::sdi12Address], key::sdi12Address, form.address))
        return false;
    if (j.contains(key::serialNumber)) {
        std::u16string serial;
        if (!r.text(j[key::serialNumber], key::serialNumber, serial)) return false;
        if (takeSerial) form.serialNumber = serial;
    }
    // A text may carry the values of every main function.
    for (const MainFunction function : allMainFunctions) {
        switch (function) {
        case MainFunction::NmeaToSdi12: {
            NmeaSettings nmea = NmeaSettingsOf(form);
            if (!readNmea(r, j, nmea)) return false;
            TakeNmeaSettings(form, nmea);
            break;
        }
        case MainFunction::ModbusToSdi12:
            if (!readModbus(r, j, form)) return false;
            break;
        case MainFunction::Sdi12ToRs232:
            break; // only the baud, which it shares with Modbus
        }
    }
    return readBaud(r, j, form.modbusBaudIndex);
}

} // namespace

ordered_json SettingsToJson(const FormModel& form) {
    ordered_json out;
    if (form.mainFunction) out[key::mainFunction] = std::string(FactsOf(*form.mainFunction).settingsName);
    out[key::sdi12Address] = Utf8(form.address);
    out[key::serialNumber] = Utf8(form.serialNumber);
    if (!form.mainFunction) return out;
    switch (*form.mainFunction) {
    case MainFunction::NmeaToSdi12:
        writeNmea(out, NmeaSettingsOf(form));
        break;
    case MainFunction::ModbusToSdi12:
        writeModbus(out, form);
        break;
    case MainFunction::Sdi12ToRs232:
        break;
    }
    if (!FactsOf(*form.mainFunction).baudTitle.empty()) baudJson(out, form.modbusBaudIndex);
    return out;
}

int ApplySettingsJson(FormModel& form, const json& j, bool takeSerial, std::string& error) {
    Reader r(error);
    if (readSettings(r, form, j, takeSerial)) return exitOk;
    return r.refused() ? exitCheckRefused : exitNotSettings;
}

namespace {

// Whether a cell, a number or its text, holds something other than 0.
bool nonZeroCell(const json& cell) {
    if (cell.is_number()) return cell.get<double>() != 0;
    if (!cell.is_string()) return false;
    const std::string text = cell.get<std::string>();
    return text.find_first_not_of(" 0") != std::string::npos;
}

} // namespace

std::string MissingForFunction(const json& j, MainFunction function) {
    const std::string name(FactsOf(function).settingsName);
    const bool baudGiven = j.contains(key::baud) || j.contains(key::baudIndex);
    const std::string baudMissing = std::string(key::baud) + " (the " + name + " settings need it)";
    switch (function) {
    case MainFunction::NmeaToSdi12:
        return j.contains(key::registerSets)
                   ? ""
                   : std::string(key::registerSets) + " (the " + name + " settings need them)";
    case MainFunction::ModbusToSdi12: {
        if (!baudGiven) return baudMissing;
        bool rowGiven = false;
        if (j.contains(key::modbusRows) && j[key::modbusRows].is_array())
            for (const json& row : j[key::modbusRows])
                if (row.is_object())
                    for (const auto& cell : row.items())
                        rowGiven = rowGiven || nonZeroCell(cell.value());
        if (!rowGiven) return std::string(key::modbusRows) + " (a row that is not all zero)";
        if (!j.contains(key::modbusTimeout) || !nonZeroCell(j[key::modbusTimeout]))
            return std::string(key::modbusTimeout) + " (a time-out that is not 0)";
        return "";
    }
    case MainFunction::Sdi12ToRs232:
        return baudGiven ? "" : baudMissing;
    }
    return "";
}

} // namespace zor::cli
