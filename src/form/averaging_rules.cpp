#include "form/averaging_rules.h"

#include "toolkit/text_buffer.h"

#include <limits>

namespace zor {
namespace {

// The sample rate and the buffer length divide; a value below 1 (from a received image, say)
// must not stop the program, so it divides as 1.
std::int32_t divisor(std::int32_t value) {
    return value < 1 ? 1 : value;
}

std::int32_t clampedProduct(std::int32_t a, std::int32_t b) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    if (product > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (product < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(product);
}

// For a positive divisor; never overflows, also for the largest period.
std::int32_t quotientRoundedUp(std::int32_t dividend, std::int32_t positiveDivisor) {
    const std::int32_t quotient = dividend / positiveDivisor;
    return dividend % positiveDivisor > 0 ? quotient + 1 : quotient;
}

std::int32_t typedValue(const char16_t* text) {
    const std::int32_t value = leadingInt(text);
    return value <= 0 ? 1 : value;
}

} // namespace

bool AveragingPeriodTyped(FormModel& model, const char16_t* text) {
    if (textLength(text) == 0) {
        model.averagingPeriod = 0;
        return false;
    }
    const std::int32_t value = typedValue(text);
    model.averagingPeriod = value;
    model.averagingSampleCount = value / divisor(model.averagingSampleRate);
    return true;
}

AveragingWarning AveragingPeriodChecked(FormModel& model) {
    if (model.averagingSampleCount <= model.averagingBufferLength) return {};
    model.averagingPeriod = clampedProduct(model.averagingSampleRate, model.averagingBufferLength);
    model.averagingSampleCount = model.averagingPeriod / divisor(model.averagingSampleRate);
    return {true, periodWarningText, periodWarningTitle, model.averagingPeriod};
}

bool SampleRateTyped(FormModel& model, const char16_t* text) {
    if (textLength(text) == 0) {
        model.averagingSampleRate = 1;
        return false;
    }
    const std::int32_t value = typedValue(text);
    model.averagingSampleRate = value;
    model.averagingSampleCount = model.averagingPeriod / value;
    return true;
}

AveragingWarning SampleRateChecked(FormModel& model) {
    if (model.averagingSampleCount <= model.averagingBufferLength) return {};
    // Rounded up: a rate rounded down would still leave more samples than the buffer holds
    // (15 s over a buffer of 10 would stay at 1 s and 15 samples).
    model.averagingSampleRate =
        quotientRoundedUp(model.averagingPeriod, divisor(model.averagingBufferLength));
    model.averagingSampleCount = model.averagingPeriod / divisor(model.averagingSampleRate);
    return {true, sampleRateWarningText, sampleRateWarningTitle, model.averagingSampleRate};
}

AveragingWarning AveragingPeriodChanged(FormModel& model, const char16_t* text) {
    return AveragingPeriodTyped(model, text) ? AveragingPeriodChecked(model) : AveragingWarning{};
}

AveragingWarning SampleRateChanged(FormModel& model, const char16_t* text) {
    return SampleRateTyped(model, text) ? SampleRateChecked(model) : AveragingWarning{};
}

} // namespace zor
