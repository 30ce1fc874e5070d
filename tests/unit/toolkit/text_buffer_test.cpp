#include "toolkit/text_buffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace zor {
namespace {

std::u16string str(const WideText& t) {
    return t.c_str();
}

TEST(WideText, EmptyBufferReadsAsEmptyAndFirstAssignAllocatesExactly) {
    WideText t;
    t.initWithCapacity(0);
    EXPECT_EQ(t.data, nullptr);
    EXPECT_EQ(t.length(), 0);
    EXPECT_EQ(t.toInt(), 0);
    t.assign(u"");
    ASSERT_NE(t.data, nullptr);
    EXPECT_EQ(t.capacity, 2);
    EXPECT_EQ(str(t), u"");
}

TEST(WideText, AssignGrowsOnlyWhenTheTextDoesNotFit) {
    WideText t;
    t.assign(u"abc");
    EXPECT_EQ(t.capacity, 8);
    t.assign(u"abcd");
    EXPECT_EQ(t.capacity, 10);
    const char16_t* storage = t.data;
    t.assign(u"ab");
    EXPECT_EQ(t.capacity, 10);
    EXPECT_EQ(t.data, storage);
    EXPECT_EQ(str(t), u"ab");
    t.assign(u"abcd"); // equal to the capacity: reused
    EXPECT_EQ(t.data, storage);
}

TEST(WideText, ReserveIsAddedWhenAnAssignmentGrows) {
    WideText t;
    t.reserve = 3;
    t.assign(u"ab");
    EXPECT_EQ(t.capacity, (2 + 1 + 3) * 2);
    EXPECT_EQ(t.reserve, 3);
}

TEST(WideText, AppendGrowsToExactlyWhatIsNeededAndKeepsTheText) {
    WideText t;
    t.assign(u"abc");
    ASSERT_EQ(t.capacity, 8);
    t.append(u"d");
    EXPECT_EQ(t.capacity, 10);
    EXPECT_EQ(str(t), u"abcd");

    WideText empty;
    empty.append(u"xy");
    EXPECT_EQ(str(empty), u"xy");
    EXPECT_EQ(empty.capacity, 6);
}

TEST(WideText, AppendAfterPercentSignKeepsTheTextVerbatim) {
    WideText t;
    t.assign(u"50%");
    t.appendInt(1);
    EXPECT_EQ(str(t), u"50%1");
    t.append(u"%d%s");
    EXPECT_EQ(str(t), u"50%1%d%s");
}

TEST(WideText, NullTextsChangeNothing) {
    WideText t;
    t.assign(nullptr);
    t.append(nullptr);
    EXPECT_EQ(t.data, nullptr);
    t.assign(u"x");
    t.assign(nullptr);
    t.append(nullptr);
    EXPECT_EQ(str(t), u"x");
    WideText other;
    t.assign(other); // an empty buffer changes nothing
    EXPECT_EQ(str(t), u"x");
    t.assign(t);
    EXPECT_EQ(str(t), u"x");
}

TEST(WideText, FormatsIntegersAndFloats) {
    WideText t;
    t.assignInt(-5);
    EXPECT_EQ(str(t), u"-5");
    t.assignInt(INT_MIN);
    EXPECT_EQ(str(t), u"-2147483648");
    t.assignFloat(0.1f);
    EXPECT_EQ(str(t), u"0.100000");
    t.assignFloat(1.5f);
    EXPECT_EQ(str(t), u"1.500000");
    t.assignFloat(-3.4028235e38f); // the longest "%f" of a float still fits
    EXPECT_EQ(t.length(), 47);
    t.assign(u"n=");
    t.appendInt(INT_MAX);
    EXPECT_EQ(str(t), u"n=2147483647");
}

TEST(WideText, ToIntReadsTheLeadingIntegerAndSaturates) {
    auto value = [](const char16_t* s) {
        WideText t;
        t.assign(s);
        return t.toInt();
    };
    EXPECT_EQ(value(u"0012abc"), 12);
    EXPECT_EQ(value(u""), 0);
    EXPECT_EQ(value(u" -7"), -7);
    EXPECT_EQ(value(u"\t+42x"), 42);
    EXPECT_EQ(value(u"abc"), 0);
    EXPECT_EQ(value(u"-"), 0);
    EXPECT_EQ(value(u"2147483647"), INT_MAX);
    EXPECT_EQ(value(u"2147483648"), INT_MAX);
    EXPECT_EQ(value(u"-2147483648"), INT_MIN);
    EXPECT_EQ(value(u"-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(value(u"99999999999999999999999"), INT_MAX);
    EXPECT_EQ(leadingInt<char16_t>(nullptr), 0);
}

TEST(WideText, ResizeDiscardsTheTextAndReleaseEmpties) {
    WideText t;
    t.assign(u"hello");
    EXPECT_FALSE(t.resize(0));
    EXPECT_EQ(str(t), u"hello");
    EXPECT_TRUE(t.resize(3));
    EXPECT_EQ(t.capacity, 6);
    EXPECT_EQ(str(t), u"");
    t.release();
    EXPECT_EQ(t.data, nullptr);
    EXPECT_EQ(t.capacity, 0);
    EXPECT_EQ(t.reserve, 0);
}

TEST(NarrowText, CountsBytesAndAppendsNumbers) {
    NarrowText t;
    t.assign("\\\\.\\COM");
    EXPECT_EQ(t.capacity, 8);
    t.appendInt(12);
    EXPECT_STREQ(t.c_str(), "\\\\.\\COM12");
    EXPECT_EQ(t.capacity, 10);
    t.assign("ab");
    EXPECT_EQ(t.capacity, 10);
    NarrowText sized;
    sized.initWithCapacity(260);
    EXPECT_EQ(sized.capacity, 260);
    EXPECT_EQ(sized.length(), 0);
}

} // namespace
} // namespace zor
