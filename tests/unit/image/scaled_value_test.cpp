#include "image/scaled_value.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zor {
namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

TEST(ScaledValue, ScalesTheDecimalValueAndTruncatesTowardZero) {
    EXPECT_EQ(ScaleForImage(12.5f, 2), 1250);
    EXPECT_EQ(ScaleForImage(12.5f, 0), 12);
    EXPECT_EQ(ScaleForImage(2.999f, 2), 299);
    EXPECT_EQ(ScaleForImage(0.29f, 2), 29); // held as 0.28999999...
    EXPECT_EQ(ScaleForImage(-1.5f, 3), -1500);
    EXPECT_EQ(ScaleForImage(-2.999f, 2), -299);
    EXPECT_EQ(ScaleForImage(0.0000004f, 6), 0);
    EXPECT_EQ(ScaleForImage(0.0f, 5), 0);
    EXPECT_EQ(ScaleForImage(-0.0f, 5), 0);
    EXPECT_EQ(ScaleForImage(1234.5f, -2), 12); // a negative count of decimals divides
    EXPECT_EQ(ScaleForImage(1e-30f, 38), 100000000);
}

TEST(ScaledValue, ResultsBeyondThe32BitRangeAreClampedAndNaNIsZero) {
    EXPECT_EQ(ScaleForImage(3e9f, 0), int32Max);
    EXPECT_EQ(ScaleForImage(-3e9f, 0), int32Min);
    // 2^31 as a float reads back from "2.1474836e+09": its decimal value is what is scaled.
    EXPECT_EQ(ScaleForImage(2147483648.0f, 0), 2147483600);
    EXPECT_EQ(ScaleForImage(-2147483648.0f, 0), -2147483600);
    EXPECT_EQ(ScaleForImage(1.0f, 10), int32Max);
    EXPECT_EQ(ScaleForImage(1.0f, int32Max), int32Max);
    EXPECT_EQ(ScaleForImage(-1.0f, int32Max), int32Min);
    EXPECT_EQ(ScaleForImage(1.0f, int32Min), 0);
    EXPECT_EQ(ScaleForImage(std::numeric_limits<float>::max(), 0), int32Max);
    EXPECT_EQ(ScaleForImage(std::numeric_limits<float>::infinity(), 0), int32Max);
    EXPECT_EQ(ScaleForImage(-std::numeric_limits<float>::infinity(), 0), int32Min);
    EXPECT_EQ(ScaleForImage(std::numeric_limits<float>::quiet_NaN(), 2), 0);
    EXPECT_EQ(ScaleForImage(214748352.0f, 1), 2147483500); // "2.1474835e+08"
    EXPECT_EQ(ScaleForImage(214748368.0f, 1), int32Max);   // "2.1474837e+08"
    EXPECT_EQ(ScaleForImage(-214748368.0f, 1), int32Min);
}

TEST(ScaledValue, ReceivedIntegersAreDividedByThePowerOfTen) {
    EXPECT_FLOAT_EQ(ScaleFromImage(-1500, 3), -1.5f);
    EXPECT_FLOAT_EQ(ScaleFromImage(1250, 2), 12.5f);
    EXPECT_EQ(ScaleFromImage(29, 2), 0.29f);
    EXPECT_EQ(ScaleFromImage(7, 0), 7.0f);
    EXPECT_EQ(ScaleFromImage(12, -2), 1200.0f);
    EXPECT_EQ(ScaleFromImage(5, int32Max), 0.0f);
    EXPECT_EQ(ScaleFromImage(5, int32Min), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ScaleFromImage(int32Max, -30), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ScaleFromImage(0, int32Min), 0.0f);
}

// A value read from the converter and sent back unchanged must come out as the integer that came in,
// also after the form has shown it with six decimals and read the text back.
TEST(ScaledValue, ReceivedValuesGoBackUnchanged) {
    std::int32_t failures = 0;
    for (std::int32_t decimals = 0; decimals <= 6; ++decimals) {
        for (std::int32_t raw = -200000; raw <= 200000; raw += 7) {
            const float value = ScaleFromImage(raw, decimals);
            if (ScaleForImage(value, decimals) != raw) ++failures;
            char text[64];
            std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
            if (ScaleForImage(std::strtof(text, nullptr), decimals) != raw) ++failures;
        }
        // Large integers with up to seven significant digits.
        for (std::int32_t raw = 9999999; raw > 0; raw = raw / 3 - 1)
            for (const std::int32_t sign : {1, -1})
                if (ScaleForImage(ScaleFromImage(sign * raw, decimals), decimals) != sign * raw) ++failures;
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
} // namespace zor
