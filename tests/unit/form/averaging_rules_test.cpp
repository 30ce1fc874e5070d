#include "form/averaging_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

TEST(AveragingPeriod, TypedValuesBelowOneAreStoredAsOneAndEmptyAsZero) {
    FormModel model;
    model.averagingBufferLength = 100;
    for (const char16_t* typed : {u"0", u"-5", u"abc"}) {
        EXPECT_FALSE(AveragingPeriodChanged(model, typed).shown);
        EXPECT_EQ(model.averagingPeriod, 1);
    }
    EXPECT_FALSE(AveragingPeriodChanged(model, u"").shown);
    EXPECT_EQ(model.averagingPeriod, 0);
    EXPECT_FALSE(AveragingPeriodChanged(model, u" 12s").shown);
    EXPECT_EQ(model.averagingPeriod, 12);
    EXPECT_EQ(model.averagingSampleCount, 12);
}

TEST(AveragingPeriod, IsReducedToWhatTheBufferHolds) {
    FormModel model;
    model.averagingBufferLength = 10;
    model.averagingSampleRate = 2;
    EXPECT_FALSE(AveragingPeriodChanged(model, u"20").shown); // exactly ten samples
    const AveragingWarning warning = AveragingPeriodChanged(model, u"30");
    EXPECT_TRUE(warning.shown);
    EXPECT_EQ(std::u16string(warning.text),
              u"Averaging Period Exceeded Buffer Length.\n\rReduced averaging period to suit");
    EXPECT_EQ(std::u16string(warning.title), u"Averaging Period");
    EXPECT_EQ(warning.fieldValue, 20);
    EXPECT_EQ(model.averagingPeriod, 20);
    EXPECT_EQ(model.averagingSampleCount, 10);
}

TEST(SampleRate, IsIncreasedUntilTheBufferHoldsThePeriod) {
    FormModel model;
    model.averagingBufferLength = 10;
    model.averagingPeriod = 100;
    const AveragingWarning warning = SampleRateChanged(model, u"5");
    EXPECT_TRUE(warning.shown);
    EXPECT_EQ(std::u16string(warning.text),
              u"Averaging Sample Time Too Short For Buffer Length.\n\r(Increased sample time to suit)");
    EXPECT_EQ(std::u16string(warning.title), u"Sampling Time");
    EXPECT_EQ(warning.fieldValue, 10);
    EXPECT_EQ(model.averagingSampleRate, 10);
    EXPECT_EQ(model.averagingSampleCount, 10);

    EXPECT_FALSE(SampleRateChanged(model, u"").shown);
    EXPECT_EQ(model.averagingSampleRate, 1);
    model.averagingPeriod = 5;
    EXPECT_FALSE(SampleRateChanged(model, u"-3").shown);
    EXPECT_EQ(model.averagingSampleRate, 1);
    EXPECT_EQ(model.averagingSampleCount, 5);
}

TEST(SampleRate, TheIncreasedRateAlwaysLeavesTheSamplesWithinTheBuffer) {
    // A rate rounded down would leave more samples than the converter can buffer: 15 s over a buffer
    // of 10 needs 2 s, and 100 s over 30 needs 4 s.
    struct Case {
        std::int32_t bufferLength;
        std::int32_t period;
        const char16_t* typed;
        std::int32_t rate;
        std::int32_t count;
    };
    for (const Case c : {Case{10, 15, u"1", 2, 7}, Case{30, 100, u"2", 4, 25}, Case{10, 100, u"5", 10, 10},
                         Case{7, 2147483647, u"1", 306783379, 6}}) {
        FormModel model;
        model.averagingBufferLength = c.bufferLength;
        model.averagingPeriod = c.period;
        const AveragingWarning warning = SampleRateChanged(model, c.typed);
        EXPECT_TRUE(warning.shown) << c.period;
        EXPECT_EQ(model.averagingSampleRate, c.rate) << c.period;
        EXPECT_EQ(warning.fieldValue, c.rate) << c.period;
        EXPECT_EQ(model.averagingSampleCount, c.count) << c.period;
        EXPECT_LE(model.averagingSampleCount, model.averagingBufferLength) << c.period;
    }
}

TEST(AveragingRules, DivisorsBelowOneLeftByAnIncompleteImageDoNotStopTheProgram) {
    FormModel model;
    model.averagingSampleRate = 0;
    model.averagingBufferLength = 0;
    const AveragingWarning period = AveragingPeriodChanged(model, u"5");
    EXPECT_TRUE(period.shown);
    model.averagingPeriod = 50;
    model.averagingBufferLength = -4;
    EXPECT_TRUE(SampleRateChanged(model, u"1").shown);
    EXPECT_GE(model.averagingSampleRate, 1);
}

} // namespace
} // namespace zor
