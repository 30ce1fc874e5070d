#include "cli/settings_compare.h"

#include "cli/text.h"
#include "image/image_decode.h"
#include "image/modbus_columns.h"
#include "image/nmea_number_fields.h"
#include "image/settings_keys.h"

#include <cmath>
#include <cstdio>

namespace zor::cli {
namespace {

// A value of a decoded image as a difference shows it, and the text that tells it apart exactly:
// a scaled number shows as the value it stands for but differs by the number the image carries.
struct Value {
    std::string name;
    std::string shown;
    std::string exact;
};

void add(std::vector<Value>& values, std::string name, std::string shown) {
    std::string exact = shown;
    values.push_back({std::move(name), std::move(shown), std::move(exact)});
}

std::string quotedText(const std::u16string& text) {
    // Appended rather than concatenated: GCC 12 warns (wrongly) of an overlap on the MinGW build.
    std::string quoted(1, '"');
    quoted += Utf8(text);
    quoted += '"';
    return quoted;
}

// "SDI12 Address" and "Serial Number", then what only the function's image holds.
std::vector<Value> identityValues(const DecodedIdentity& image) {
    std::vector<Value> values;
    add(values, key::sdi12Address, quotedText(image.address));
    add(values, key::serialNumber, quotedText(image.serialNumberAsHeld));
    return values;
}

// The register sets, then the numbers that travel as they stand and "Enable Averaging" in the image's
// order, then the other flag bytes.
std::vector<Value> nmeaValues(const DecodedNmeaImage& image, Compared how) {
    std::vector<Value> values = identityValues(image);
    const NmeaSettings& s = image.settings;
    const auto scaled = [&s](std::int32_t number) {
        char text[64];
        std::snprintf(text, sizeof text, "%.9g", number / std::pow(10.0, s.thresholdDecimals));
        return std::string(text);
    };
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        const std::string set = key::At(key::registerSets, k);
        // Values: as the program reads it, the first five characters of the slot.
        add(values, key::In(set, key::sentenceId),
            quotedText(how == Compared::Values ? s.sentenceId[k] : image.sentenceIdSlot[k]));
        add(values, key::In(set, key::parameterSelectMask),
            std::to_string(static_cast<std::int32_t>(s.parameterSelectMask[k])));
        // As the image carries it, plus 1 without wrapping.
        const auto carried =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(s.monitoredParameter[k]) - 1u);
        add(values, key::In(set, key::monitoredParameter), std::to_string(std::int64_t{carried} + 1));
        values.push_back({key::In(set, key::threshold), scaled(image.scaledThreshold[k]),
                          std::to_string(image.scaledThreshold[k])});
        add(values, key::In(set, key::thresholdFunction), std::to_string(s.thresholdFunction[k]));
        values.push_back({key::In(set, key::hysteresis), scaled(image.scaledHysteresis[k]),
                          std::to_string(image.scaledHysteresis[k])});
    }
    bool enabledNamed = false;
    const auto addEnabled = [&] {
        add(values, key::In(key::averaging, key::enabled), std::to_string(s.flagBytes[0]));
        enabledNamed = true;
    };
    for (const NmeaNumberField* number : nmeaNumbersInImageOrder) {
        if (number->converterOwned) continue;
        if (!enabledNamed && CarriedAfterFlagBytes(*number)) addEnabled();
        add(values, key::In(number->group, number->key), std::to_string(s.*number->value));
    }
    if (!enabledNamed) addEnabled();
    for (std::int32_t k = 1; k < registerSetCount; ++k)
        add(values, key::At(key::flagBytes1to9, k - 1), std::to_string(s.flagBytes[k]));
    return values;
}

std::vector<Value> modbusValues(const DecodedModbusImage& image) {
    std::vector<Value> values = identityValues(image);
    for (std::int32_t row = 0; row < modbusRowCount; ++row)
        for (const ModbusColumn& column : modbusColumns)
            add(values, key::In(key::At(key::modbusRows, row), column.key),
                std::to_string(image.rows[row].*column.cell));
    add(values, key::modbusTimeout, std::to_string(image.timeout));
    add(values, key::baudIndex, std::to_string(image.baudByte));
    return values;
}

std::vector<Value> serialValues(const DecodedSerialImage& image) {
    std::vector<Value> values = identityValues(image);
    values.insert(values.begin() + 1,
                  {key::baudIndex, std::to_string(image.baudByte), std::to_string(image.baudByte)});
    return values;
}

std::vector<Value> valuesOf(MainFunction function, const std::vector<std::uint8_t>& bytes, Compared how) {
    const ReceivedBytes image{bytes.data(), static_cast<std::int32_t>(bytes.size())};
    switch (function) {
    case MainFunction::NmeaToSdi12:
        return nmeaValues(DecodeNmeaImage(image, ReplyOrigin::File), how);
    case MainFunction::ModbusToSdi12:
        return modbusValues(DecodeModbusImage(image, ReplyOrigin::File));
    case MainFunction::Sdi12ToRs232:
        return serialValues(DecodeSerialImage(image, ReplyOrigin::File));
    }
    return {};
}

char tagDigit(const std::vector<std::uint8_t>& bytes) {
    return ImageTagDigitAt({bytes.data(), static_cast<std::int32_t>(bytes.size())});
}

} // namespace

std::vector<FieldDifference> CompareSettings(const std::vector<std::uint8_t>& sent,
                                             const std::vector<std::uint8_t>& reply, Compared how) {
    const char tag = tagDigit(sent);
    if (tagDigit(reply) != tag)
        return {{key::mainFunction, std::string(1, tag), std::string(1, tagDigit(reply))}};
    const std::optional<MainFunction> function = MainFunctionOfTagDigit(tag);
    if (!function) return {};
    const std::vector<Value> a = valuesOf(*function, sent, how), b = valuesOf(*function, reply, how);
    std::vector<FieldDifference> differences;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const bool same = how == Compared::Bytes ? a[i].exact == b[i].exact : a[i].shown == b[i].shown;
        if (!same) differences.push_back({a[i].name, a[i].shown, b[i].shown});
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
