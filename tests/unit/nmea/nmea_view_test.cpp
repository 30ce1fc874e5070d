#include "nmea/incoming_sentences.h"
#include "nmea/parameter_field.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

std::u16string str(const WideText& t) {
    return t.c_str();
}

std::int32_t show(IncomingRows& view, const std::string& read) {
    return ShowIncomingSentences(view, read.data(), static_cast<std::int32_t>(read.size()));
}

TEST(IncomingSentences, SentencesOfOneReadFillEvenRowsWithoutTheLineFeedBeforeTheNext) {
    IncomingRows view;
    ResetIncomingRows(view);
    EXPECT_EQ(show(view, "noise$GPGGA,1\r\n!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24\r\n$GPRMC,2\r\n"),
              3);
    EXPECT_EQ(str(view.rows[0]), u"$GPGGA,1\r");
    // An AIS sentence, started by "!", has its own row.
    EXPECT_EQ(str(view.rows[2]), u"!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24\r");
    EXPECT_EQ(str(view.rows[4]), u"$GPRMC,2\r\n");
    EXPECT_EQ(str(view.rows[1]), u"");
    EXPECT_EQ(view.incomingRow, 4);
}

TEST(IncomingSentences, SeventeenthSentenceScrollsTheRowsUp) {
    IncomingRows view;
    ResetIncomingRows(view);
    for (int i = 1; i <= 17; ++i)
        show(view, "$GPS" + std::to_string(10 + i));
    EXPECT_EQ(view.incomingRow, 30);
    EXPECT_EQ(str(view.rows[0]), u"$GPS12");
    EXPECT_EQ(str(view.rows[28]), u"$GPS26");
    EXPECT_EQ(str(view.rows[30]), u"$GPS27");
    for (int row = 1; row < 32; row += 2)
        EXPECT_EQ(str(view.rows[row]), u"");
}

TEST(IncomingSentences, ShortReadsShortHeadsAndZeroBytesShowNothingBeyondTheData) {
    IncomingRows view;
    ResetIncomingRows(view);
    EXPECT_EQ(show(view, "$GPGG"), 0);       // five bytes
    EXPECT_EQ(show(view, "$GPGGA,1$GP"), 1); // the second head is too short to show
    EXPECT_EQ(str(view.rows[0]), u"$GPGGA,");
    EXPECT_EQ(show(view, std::string("$GPRMC\0$GPVTG,9", 15)), 1); // the data ends at the zero byte
    EXPECT_EQ(str(view.rows[2]), u"$GPRMC");
    EXPECT_EQ(show(view, "$$$$$$$"), 2); // empty sentences, then a head of six
    EXPECT_EQ(ShowIncomingSentences(view, nullptr, 100), 0);
}

SentenceCatalogue& gpsCatalogue() {
    static SentenceCatalogue catalogue;
    static bool loaded = false;
    if (!loaded) {
        const std::string file = "GPGGA\nfix\nUTC time\nLatitude\nN/S\n*END*\n";
        LoadCatalogue(catalogue, file.data(), file.size());
        loaded = true;
    }
    return catalogue;
}

// The status text for field n of a read, or "-" when nothing is shown.
std::u16string value(const std::string& read, const char16_t* id, std::int32_t n) {
    const ParameterField field =
        FindParameterField(read.data(), static_cast<std::int32_t>(read.size()), id, n);
    if (!field.found) return u"-";
    return ParameterValueText(gpsCatalogue(), id, n, read.data(), field);
}

TEST(ParameterField, NamesTheValueOfTheConfiguredField) {
    const std::string read = "$GPGGA,123519,4807.038,N,01131.000,E*47\r\n";
    EXPECT_EQ(value(read, u"GPGGA", 2), u"Latitude = 4807.038");
    EXPECT_EQ(value("$GPGGA,123519,,N*47\r\n", u"GPGGA", 2), u"Latitude (no data available)");
    EXPECT_EQ(value("$GPRGA,1,2,3\r\n", u"GP*GA", 2), u"Latitude = 2");
    EXPECT_EQ(value(read, u"GPGGA", 5), u"Parameter 5 = E"); // no catalogue description: ends at "*"
    EXPECT_EQ(value("$GPGGA,1,2\r\n", u"GPGGA", 2), u"Latitude = 2");
}

// A receiver sends a burst of sentences at a time: the newest complete one of the identifier counts.
TEST(ParameterField, TheNewestCompleteSentenceOfTheIdentifierCounts) {
    EXPECT_EQ(value("$GPRMC,1,2\r\n$GPGGA,1,2\r\n", u"GPGGA", 1), u"UTC time = 1");
    EXPECT_EQ(value("$GPGGA,1,2\r\n$GPRMC,5\r\n$GPGGA,7,8\r\n$GPVTG,9\r\n", u"GPGGA", 2), u"Latitude = 8");
    EXPECT_EQ(value("$GPGGA,1,2\r\n!AIVDM,1,1\r\n$GPGGA,7,8,", u"GPGGA", 2),
              u"Latitude = 2"); // newest unfinished
    // A newer sentence with too few fields leaves the value to an older one.
    EXPECT_EQ(value("$GPGGA,7,8,9\r\n$GPGGA,1*00\r\n", u"GPGGA", 3), u"N/S = 9");
    EXPECT_EQ(value("$GPGGA,1*00\r\n$GPGGA,7,8,9\r\n", u"GPGGA", 3), u"N/S = 9");
    EXPECT_EQ(value("$GPGGA,1\r\n$GPRMC,7,8,9\r\n", u"GPGGA", 3), u"-");
    // A sentence cut off, by the end of the read or by another one, is not shown half.
    EXPECT_EQ(value("$GPGGA,1,48", u"GPGGA", 2), u"-");
    EXPECT_EQ(value("$GPGGA,1,48,N", u"GPGGA", 2), u"-");
    EXPECT_EQ(value("$GPGGA,1,48$GPGGA,1\r\n", u"GPGGA", 2), u"-");
    EXPECT_EQ(value(std::string("$GPGGA,1,2\0,3\r\n", 15), u"GPGGA", 3), u"-");
    EXPECT_EQ(value("$GPGG", u"GPGGA", 1), u"-");
    EXPECT_EQ(value("$GPGGA,1\r\n", u"GPGG", 1), u"-");
    EXPECT_EQ(value("$GPGGA,1\r\n", u"GPGGA", 0), u"-");
    EXPECT_EQ(value("$GPGGA,1\r\n", u"GPGGA", 33), u"-");
}

// The sentence a read ends in before its line end is kept for the next read to finish.
TEST(ParameterField, TheUnfinishedLastSentenceIsFound) {
    const auto start = [](const std::string& read) {
        return UnfinishedSentenceStart(read.data(), static_cast<std::int32_t>(read.size()));
    };
    EXPECT_EQ(start("$GPGGA,1\r\n$GPRMC,7"), 10);
    EXPECT_EQ(start("xx!AIVD"), 2);
    EXPECT_EQ(start("$GPGGA,1\r\n"), -1);
    EXPECT_EQ(start("$GPGGA,1\r"), -1);
    EXPECT_EQ(start("noise"), -1);
    EXPECT_EQ(start(std::string("$GPRMC,7\0", 9) + "$GPGGA"), 0); // the data end at the zero byte
    EXPECT_EQ(start("$GPRMC," + std::string(200, '1')), -1);      // longer than any sentence
    EXPECT_EQ(UnfinishedSentenceStart(nullptr, 10), -1);
}

} // namespace
} // namespace zor
