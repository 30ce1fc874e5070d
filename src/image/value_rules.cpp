#include "image/value_rules.h"

#include "image/scaled_value.h"
#include "toolkit/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace zor {
namespace {

constexpr std::int64_t beyondAnyRange = 1'000'000'000'000LL;
// Decimal places shown in a range; beyond them the limits are 0 or beyond any typed value anyway.
constexpr std::int32_t largestShownPlaces = 60;

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

const char16_t* skipBlanks(const char16_t* at) {
    while (isBlank(*at))
        ++at;
    return at;
}

// Blanks, an optional sign, digits, blanks; the value saturates far beyond any range.
std::optional<std::int64_t> wholeNumberOf(const char16_t* text) {
    if (text == nullptr) return 0;
    const char16_t* at = skipBlanks(text);
    if (*at == 0) return 0;
    const bool negative = *at == u'-';
    if (*at == u'-' || *at == u'+') ++at;
    if (!isDigit(*at)) return std::nullopt;
    std::int64_t value = 0;
    for (; isDigit(*at); ++at)
        value = value < beyondAnyRange ? value * 10 + (*at - u'0') : value;
    if (*skipBlanks(at) != 0) return std::nullopt;
    return negative ? -value : value;
}

// The longest start of the text that reads as a decimal number, narrowed, with "." as the separator;
// end tells where reading stopped.
std::string decimalPrefix(const char16_t* text, const char16_t*& end) {
    std::string narrow;
    const char16_t* at = skipBlanks(text);
    if (*at == u'-') narrow.push_back('-');
    if (*at == u'-' || *at == u'+') ++at;
    bool digits = false;
    for (; isDigit(*at); ++at, digits = true)
        narrow.push_back(static_cast<char>(*at));
    if (*at == u'.' || *at == u',') {
        narrow.push_back('.');
        for (++at; isDigit(*at); ++at, digits = true)
            narrow.push_back(static_cast<char>(*at));
    }
    end = at;
    if (!digits) return {};
    if (*at == u'e' || *at == u'E') {
        const char16_t* exponent = at + 1;
        if (*exponent == u'-' || *exponent == u'+') ++exponent;
        if (isDigit(*exponent)) {
            narrow.push_back('e');
            if (at[1] == u'-') narrow.push_back('-');
            for (; isDigit(*exponent); ++exponent)
                narrow.push_back(static_cast<char>(*exponent));
            end = exponent;
        }
    }
    return narrow;
}

float floatOf(const std::string& narrow) {
    if (narrow.empty()) return 0.0f;
    float value = 0.0f;
    const auto [ptr, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    (void)ptr;
    if (error == std::errc::result_out_of_range) {
        // Too large shows as infinite (and is refused); too small is 0.
        const bool large = narrow.find("e-") == std::string::npos;
        const float magnitude = large ? std::numeric_limits<float>::infinity() : 0.0f;
        return narrow[0] == '-' ? -magnitude : magnitude;
    }
    return value;
}

// Appended part by part: text built with operator+ from a literal trips a false -Wrestrict of GCC 12.
std::u16string joined(std::initializer_list<std::u16string_view> parts) {
    std::u16string text;
    for (const std::u16string_view part : parts)
        text.append(part);
    return text;
}

std::u16string placeText(ValuePlace place) {
    switch (place.kind) {
    case ValuePlace::Kind::Row:
        return joined({u" in row ", DecimalText(place.number)});
    case ValuePlace::Kind::RegisterSet:
        return joined({u" of register set ", DecimalText(place.number)});
    case ValuePlace::Kind::Field:
        break;
    }
    return {};
}

CheckFailure refusal(const char16_t* field, ValuePlace place, const std::u16string& range) {
    return {valueCheckStep, joined({u"\"", field, u"\"", placeText(place), u" must be ", range}),
            BoxOwner::MainWindow};
}

CheckFailure wholeNumberRefusal(const WholeNumberRule& rule, ValuePlace place) {
    return refusal(rule.field, place,
                   joined({u"a whole number from ", DecimalText(rule.low), u" to ", DecimalText(rule.high)}));
}

// value / 10^places written out exactly: "-21474836.48" for -2147483648 and 2 places.
std::u16string scaledLimitText(std::int64_t value, std::int32_t places) {
    const bool negative = value < 0;
    std::u16string digits = DecimalText(negative ? -value : value);
    if (places < 0) {
        digits.append(static_cast<std::size_t>(-places), u'0');
    } else if (places > 0) {
        if (digits.size() <= static_cast<std::size_t>(places))
            digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), u'0');
        digits.insert(digits.size() - static_cast<std::size_t>(places), 1, u'.');
    }
    return negative ? joined({u"-", digits}) : digits;
}

} // namespace

std::optional<float> DecimalFieldValue(const char16_t* text) {
    if (text == nullptr || *skipBlanks(text) == 0) return 0.0f;
    const char16_t* end = text;
    const std::string narrow = decimalPrefix(text, end);
    if (narrow.empty() || *skipBlanks(end) != 0) return std::nullopt;
    return floatOf(narrow);
}

CheckFailure CheckWholeNumberText(const char16_t* text, const WholeNumberRule& rule, ValuePlace place) {
    const std::optional<std::int64_t> value = wholeNumberOf(text);
    if (!value) return wholeNumberRefusal(rule, place);
    return CheckWholeNumber(*value, rule, place);
}

CheckFailure CheckWholeNumber(std::int64_t value, const WholeNumberRule& rule, ValuePlace place) {
    if (value < rule.low || value > rule.high) return wholeNumberRefusal(rule, place);
    return {};
}

CheckFailure CheckScaledValue(float value, std::int32_t decimals, const char16_t* field, ValuePlace place) {
    if (ScaleForImageExact(value, decimals)) return {};
    const std::int32_t places = decimals < -largestShownPlaces
                                    ? -largestShownPlaces
                                    : (decimals > largestShownPlaces ? largestShownPlaces : decimals);
    return refusal(
        field, place,
        joined({u"a number from ", scaledLimitText(std::numeric_limits<std::int32_t>::min(), places), u" to ",
                scaledLimitText(std::numeric_limits<std::int32_t>::max(), places)}));
}

CheckFailure CheckDecimalText(const char16_t* text, std::int32_t decimals, const char16_t* field,
                              ValuePlace place) {
    const std::optional<float> value = DecimalFieldValue(text);
    // The text itself against the range the box states: a float rounds 21474836.48 down into it.
    if (value && text != nullptr && *skipBlanks(text) != 0 && decimals >= -largestShownPlaces &&
        decimals <= largestShownPlaces) {
        const char16_t* end = text;
        const std::string narrow = decimalPrefix(text, end);
        double typed = 0.0;
        (void)std::from_chars(narrow.data(), narrow.data() + narrow.size(), typed);
        const double scaled = std::round(typed * std::pow(10.0, decimals));
        if (!(scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
              scaled <= static_cast<double>(std::numeric_limits<std::int32_t>::max())))
            return CheckScaledValue(std::numeric_limits<float>::quiet_NaN(), decimals, field, place);
    }
    // Not a number at all: the range says what is expected.
    return CheckScaledValue(value.value_or(std::numeric_limits<float>::quiet_NaN()), decimals, field, place);
}

CheckFailure CheckAveraging(const NmeaSettings& settings) {
    const std::int64_t rate = settings.averagingSampleRate;
    CheckFailure failure = CheckWholeNumber(rate, sampleRateRule, {});
    if (failure.step != 0 || settings.flagBytes[0] == 0) return failure;
    const std::int64_t buffer = settings.averagingBufferLength < 1 ? 1 : settings.averagingBufferLength;
    const std::int64_t period = rate * settings.averagingSampleCount;
    // No sample in the period: the rate is what is too long for it.
    if (settings.averagingSampleCount < 1)
        return refusal(
            sampleRateRule.field, {},
            joined({u"no longer than \"", averagingPeriodRule.field, u"\" (at least one sample)"}));
    // More samples than the buffer holds: the period, from one sample to a full buffer, within what the
    // field takes.
    const WholeNumberRule periods{averagingPeriodRule.field, rate,
                                  std::min<std::int64_t>(rate * buffer, averagingPeriodRule.high)};
    return CheckWholeNumber(period, periods, {});
}

} // namespace zor
