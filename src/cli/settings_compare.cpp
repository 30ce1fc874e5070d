#include "cli/settings_compare.h"

#include "cli/text.h"
#include "image/byte_order.h"
#include "image/image_layout.h"
#include "image/modbus_columns.h"
#include "image/nmea_number_fields.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zor::cli {
namespace {

enum class Kind { Text, SentenceId, Byte, I32, MonitoredParameter, Scaled, U16BE };

// The characters of a sentence slot the program reads.
constexpr std::int32_t sentenceIdRead = 5;

struct Field {
    std::string name;
    std::int32_t offset;
    std::int32_t size;
    Kind kind;
};

// "SDI12 Address" and "Serial Number" where the NMEA and the Modbus layouts hold them.
std::vector<Field> identityFields() {
    return {{"sdi12Address", addressOffset, 1, Kind::Text},
            {"serialNumber", serialNumberOffset, serialNumberLength, Kind::Text}};
}

// The numbers that travel as they stand, and "Enable Averaging", in the image's order.
std::vector<Field> nmeaNumbers() {
    std::vector<Field> fields = {{"averaging.enabled", zor1::flagBytesOffset, 1, Kind::Byte}};
    for (const NmeaNumberField& number : nmeaNumberFields) {
        if (number.converterOwned) continue;
        std::string name(number.group);
        if (!name.empty()) name += ".";
        name += number.key;
        fields.push_back({name, number.offset, 4, Kind::I32});
    }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const Field& a, const Field& b) { return a.offset < b.offset; });
    return fields;
}

std::vector<Field> nmeaFields() {
    std::vector<Field> fields = identityFields();
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        const std::string set = "registerSets[" + std::to_string(k) + "].";
        fields.push_back({set + "sentenceId", zor1::sentenceIdOffset + sentenceSlotLength * k,
                          sentenceSlotLength, Kind::SentenceId});
        fields.push_back(
            {set + "parameterSelectMask", zor1::parameterSelectMaskOffset + 4 * k, 4, Kind::I32});
        fields.push_back({set + "monitoredParameter", zor1::monitoredParameterOffset + 4 * k, 4,
                          Kind::MonitoredParameter});
        fields.push_back({set + "threshold", zor1::thresholdOffset + 4 * k, 4, Kind::Scaled});
        fields.push_back({set + "thresholdFunction", zor1::thresholdFunctionOffset + 4 * k, 4, Kind::I32});
        fields.push_back({set + "hysteresis", zor1::hysteresisOffset + 4 * k, 4, Kind::Scaled});
    }
    const std::vector<Field> numbers = nmeaNumbers();
    fields.insert(fields.end(), numbers.begin(), numbers.end());
    for (std::int32_t k = 1; k < registerSetCount; ++k)
        fields.push_back(
            {"flagBytes1to9[" + std::to_string(k - 1) + "]", zor1::flagBytesOffset + k, 1, Kind::Byte});
    return fields;
}

std::vector<Field> modbusFields() {
    std::vector<Field> fields = identityFields();
    for (std::int32_t row = 0; row < modbusRowCount; ++row) {
        const std::string name = "modbusRows[" + std::to_string(row) + "].";
        for (const ModbusColumn& column : modbusColumns)
            fields.push_back({name + std::string(column.key), ModbusCellOffset(column, row), column.width,
                              column.width == 1 ? Kind::Byte : Kind::U16BE});
    }
    fields.push_back({"modbusTimeout", zor2::timeoutOffset, 2, Kind::U16BE});
    fields.push_back({"baudIndex", zor2::baudOffset, 1, Kind::Byte});
    return fields;
}

std::vector<Field> serialFields() {
    return {{"sdi12Address", addressOffset, 1, Kind::Text},
            {"baudIndex", zor3::baudOffset, 1, Kind::Byte},
            {"serialNumber", zor3::serialNumberOffset, serialNumberLength, Kind::Text}};
}

std::vector<Field> fieldsOf(MainFunction function) {
    switch (function) {
    case MainFunction::NmeaToSdi12:
        return nmeaFields();
    case MainFunction::ModbusToSdi12:
        return modbusFields();
    case MainFunction::Sdi12ToRs232:
        return serialFields();
    }
    return {};
}

std::uint8_t at(const std::vector<std::uint8_t>& bytes, std::int32_t position) {
    return position >= 0 && static_cast<std::size_t>(position) < bytes.size()
               ? bytes[static_cast<std::size_t>(position)]
               : std::uint8_t{0};
}

std::int32_t i32At(const std::vector<std::uint8_t>& bytes, std::int32_t offset) {
    std::uint8_t raw[4];
    for (std::int32_t i = 0; i < 4; ++i)
        raw[i] = at(bytes, offset + i);
    return ReadI32(raw);
}

std::string value(const std::vector<std::uint8_t>& bytes, const Field& field, Compared how) {
    switch (field.kind) {
    case Kind::Text:
    case Kind::SentenceId: {
        const std::int32_t size =
            field.kind == Kind::SentenceId && how == Compared::Values ? sentenceIdRead : field.size;
        std::string text;
        for (std::int32_t i = 0; i < size && at(bytes, field.offset + i) != 0; ++i)
            text.push_back(static_cast<char>(at(bytes, field.offset + i)));
        // Appended rather than concatenated: GCC 12 warns (wrongly) of an overlap on the MinGW build.
        std::string quoted(1, '"');
        quoted += Latin1ToUtf8(text);
        quoted += '"';
        return quoted;
    }
    case Kind::Byte:
        return std::to_string(at(bytes, field.offset));
    case Kind::I32:
        return std::to_string(i32At(bytes, field.offset));
    case Kind::MonitoredParameter:
        return std::to_string(static_cast<std::int64_t>(i32At(bytes, field.offset)) + 1);
    case Kind::Scaled: {
        const std::int32_t decimals = i32At(bytes, zor1::thresholdDecimalsOffset);
        const double scaled = i32At(bytes, field.offset) / std::pow(10.0, decimals);
        char text[64];
        std::snprintf(text, sizeof text, "%.9g", scaled);
        return text;
    }
    case Kind::U16BE:
        return std::to_string(at(bytes, field.offset) * 256 + at(bytes, field.offset + 1));
    }
    return "";
}

bool sameBytes(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, const Field& field) {
    for (std::int32_t i = 0; i < field.size; ++i) {
        const std::uint8_t x = at(a, field.offset + i), y = at(b, field.offset + i);
        if (x != y) return false;
        if ((field.kind == Kind::Text || field.kind == Kind::SentenceId) && x == 0)
            return true; // what follows the end of a text is not read
    }
    return true;
}

} // namespace

std::vector<FieldDifference> CompareSettings(const std::vector<std::uint8_t>& sent,
                                             const std::vector<std::uint8_t>& reply, Compared how) {
    const std::uint8_t tag = at(sent, tagLength - 1);
    if (at(reply, tagLength - 1) != tag)
        return {{"mainFunction", std::string(1, static_cast<char>(tag)),
                 std::string(1, static_cast<char>(at(reply, tagLength - 1)))}};
    const std::optional<MainFunction> function = MainFunctionOfTagDigit(static_cast<char>(tag));
    const std::vector<Field> fields = function ? fieldsOf(*function) : std::vector<Field>{};
    std::vector<FieldDifference> differences;
    for (const Field& field : fields) {
        const bool same = how == Compared::Bytes ? sameBytes(sent, reply, field)
                                                 : value(sent, field, how) == value(reply, field, how);
        if (!same) differences.push_back({field.name, value(sent, field, how), value(reply, field, how)});
    }
    return differences;
}

std::string DescribeDifferences(const std::vector<FieldDifference>& differences, const char* sentAs,
                                const char* readBackAs) {
    std::string text;
    for (const FieldDifference& d : differences) {
        if (!text.empty()) text += "; ";
        text += d.field + " (" + sentAs + " " + d.sent + ", " + readBackAs + " " + d.readBack +
                (d.sendRewrites ? ", a value any send rewrites so)" : ")");
    }
    return text;
}

} // namespace zor::cli
