#include "nmea/sentence_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

std::u16string str(const WideText& t) {
    return t.c_str();
}

CatalogueLoad load(SentenceCatalogue& catalogue, const std::string& file) {
    return LoadCatalogue(catalogue, file.data(), file.size());
}

std::string record(const std::string& id, std::int32_t parameters) {
    std::string text = id + "\n" + id + " description\n";
    for (std::int32_t i = 1; i <= parameters; ++i)
        text += id + " parameter " + std::to_string(i) + "\n";
    return text + "*END*\n";
}

TEST(SentenceCatalogue, LoadsRecordsAndLeavesTheRestUndefined) {
    SentenceCatalogue catalogue;
    const CatalogueLoad result = load(
        catalogue,
        "GPGGA\r\nGlobal positioning fix\r\nUTC time\r\nLatitude\r\nN/S\r\n*END*\r\nGGA\nshort\n*END*\n");
    EXPECT_FALSE(result.identifierTooLong);
    EXPECT_EQ(result.captionedEntries, 2);
    const SentenceEntry& first = catalogue.entries[0];
    EXPECT_EQ(str(first.id), u"GPGGA");
    EXPECT_EQ(str(first.description), u"Global positioning fix");
    EXPECT_EQ(str(first.parameters[0]), u"UTC time");
    EXPECT_EQ(str(first.parameters[2]), u"N/S");
    EXPECT_EQ(str(first.parameters[3]), u"");
    EXPECT_EQ(str(catalogue.entries[1].id), u"GGA**"); // padded with wildcards
    EXPECT_EQ(str(catalogue.entries[2].id), u"");
    EXPECT_EQ(str(catalogue.entries[2].description), u"-- undefined --");
}

TEST(SentenceCatalogue, EndOfFileEndsTheLastRecordOrLeavesAnEntryUncaptioned) {
    SentenceCatalogue catalogue;
    // No final "*END*" and no final line feed: the last record is still complete.
    CatalogueLoad result = load(catalogue, record("AAAAA", 1) + "BBBBB\nlast\np1\np2");
    EXPECT_EQ(result.captionedEntries, 2);
    EXPECT_EQ(str(catalogue.entries[1].parameters[1]), u"p2");

    // The file ends after an identifier: the entry keeps it but is not captioned.
    result = load(catalogue, record("AAAAA", 1) + "CCCCC\n");
    EXPECT_EQ(result.captionedEntries, 1);
    EXPECT_EQ(str(catalogue.entries[1].id), u"CCCCC");
    EXPECT_EQ(str(catalogue.entries[1].description), u"-- undefined --");

    // A blank identifier line reads as five wildcards; a lone carriage return is kept inside a line.
    result = load(catalogue, "\nd\x0dx\n");
    EXPECT_EQ(str(catalogue.entries[0].id), u"*****");
    EXPECT_EQ(str(catalogue.entries[0].description), u"d\rx");
}

// As editors save it: a UTF-8 byte-order mark first, Windows line ends, and the last line ending at the end
// of the file with or without its carriage return. Every such file loads both records whole.
TEST(SentenceCatalogue, ReadsFilesAsEditorsSaveThem) {
    const std::string body = "GPGGA\r\nfix\r\nUTC\r\n*END*\r\nWIMWV\r\nwind\r\nangle\r\nspeed\r\n*END*";
    for (const std::string& file : {body, body + "\r", "\xEF\xBB\xBF" + body, "\xEF\xBB\xBF" + body + "\r",
                                    "\xEF\xBB\xBF" + body + "\r\n"}) {
        SentenceCatalogue catalogue;
        const CatalogueLoad result = load(catalogue, file);
        EXPECT_FALSE(result.identifierTooLong) << file;
        EXPECT_EQ(result.captionedEntries, 2) << file;
        EXPECT_EQ(str(catalogue.entries[0].id), u"GPGGA") << file;
        EXPECT_EQ(str(catalogue.entries[1].parameters[1]), u"speed") << file;
        EXPECT_EQ(str(catalogue.entries[1].parameters[2]), u"") << file; // no "*END*" taken for a parameter
    }
    // Only a mark at the very start is skipped: elsewhere its bytes are text.
    SentenceCatalogue catalogue;
    load(catalogue, "AAAAA\n\xEF\xBB\xBF"
                    "d\n");
    EXPECT_EQ(str(catalogue.entries[0].description), u"\u00EF\u00BB\u00BFd");
}

TEST(SentenceCatalogue, LongIdentifierStopsLoadingWithItsMessage) {
    SentenceCatalogue catalogue;
    const CatalogueLoad result =
        load(catalogue, record("GPRMC", 2) + "GPGGAX\nx\n*END*\n" + record("GPVTG", 1));
    EXPECT_TRUE(result.identifierTooLong);
    EXPECT_EQ(result.message, u"NMEA String <GPGGAX>  is greater than 5 characters\n\rCharacter count = 6");
    EXPECT_EQ(result.captionedEntries, 1);
    EXPECT_EQ(str(catalogue.entries[0].id), u"GPRMC");
    EXPECT_EQ(str(catalogue.entries[1].id), u"");
    EXPECT_EQ(str(catalogue.entries[2].id), u""); // loading does not resume
}

TEST(SentenceCatalogue, KeepsAtMost32ParametersAnd80Entries) {
    SentenceCatalogue catalogue;
    std::string file = record("AAAAA", 34) + record("BBBBB", 1);
    CatalogueLoad result = load(catalogue, file);
    EXPECT_EQ(result.captionedEntries, 2);
    EXPECT_EQ(str(catalogue.entries[0].parameters[31]), u"AAAAA parameter 32");
    // The lines past the 32nd are skipped, not read as the next record.
    EXPECT_EQ(str(catalogue.entries[1].id), u"BBBBB");

    file.clear();
    for (int e = 0; e < 81; ++e)
        file += record(std::to_string(10000 + e), 1);
    result = load(catalogue, file);
    EXPECT_EQ(result.captionedEntries, 80);
    EXPECT_EQ(str(catalogue.entries[79].id), u"10079");
}

TEST(SentenceCatalogue, ParameterLinesPastThe32ndNeverReachTheNextEntry) {
    // The long record is the last one, so nothing loaded afterwards would cover a stray write.
    SentenceCatalogue catalogue;
    const CatalogueLoad result = load(catalogue, record("AAAAA", 40));
    EXPECT_EQ(result.captionedEntries, 1);
    EXPECT_EQ(str(catalogue.entries[0].parameters[31]), u"AAAAA parameter 32");
    EXPECT_EQ(str(catalogue.entries[1].id), u"");
    EXPECT_EQ(str(catalogue.entries[1].description), u"-- undefined --");
    for (const WideText& parameter : catalogue.entries[1].parameters)
        EXPECT_EQ(str(parameter), u"");
}

TEST(SentenceCatalogue, EveryTruncationOfAFileLoadsSafely) {
    const std::string file = record("GPGGA", 3) + record("GP", 2) + "TOOLONG\n";
    SentenceCatalogue catalogue;
    for (std::size_t size = 0; size <= file.size(); ++size) {
        const CatalogueLoad result = LoadCatalogue(catalogue, file.data(), size);
        EXPECT_LE(result.captionedEntries, 2);
    }
    EXPECT_EQ(LoadCatalogue(catalogue, nullptr, 10).captionedEntries, 0);
    // Bytes above 127 become the characters of the same value.
    load(catalogue, "\xB0\xB1\n\xE9t\xE9\n*END*\n");
    EXPECT_EQ(str(catalogue.entries[0].id), u"\u00B0\u00B1***");
    EXPECT_EQ(str(catalogue.entries[0].description), u"\u00E9t\u00E9");
}

TEST(SentenceCatalogue, LookupMatchesWildcardsAndSearchesOnForTheParameter) {
    SentenceCatalogue catalogue;
    load(catalogue, record("GPGGA", 3) + record("GPGGA", 5) + record("GPRGA", 1) + record("GGA", 7));
    EXPECT_EQ(Lookup(catalogue, u"GPGGA", 0), 0);
    EXPECT_EQ(Lookup(catalogue, u"GPGGA", 3), 1); // the first record lacks a fourth parameter
    EXPECT_EQ(Lookup(catalogue, u"GP*GA", 0), 0); // wildcard in the text
    EXPECT_EQ(Lookup(catalogue, u"GPRGA", 0), 2);
    EXPECT_EQ(Lookup(catalogue, u"GGAXY,1,2", 6), 3); // wildcard in the catalogue, text longer than five
    EXPECT_EQ(Lookup(catalogue, u"GPRGA", 1), -1);
    EXPECT_EQ(Lookup(catalogue, u"GPGG", 0), -1);
    EXPECT_EQ(Lookup(catalogue, nullptr, 0), -1);
    EXPECT_EQ(Lookup(catalogue, u"GPGGA", -1), -1);
    EXPECT_EQ(Lookup(catalogue, u"GPGGA", 32), -1);
    SentenceCatalogue empty;
    EXPECT_EQ(Lookup(empty, u"*****", 0), -1); // unloaded entries are never compared
}

} // namespace
} // namespace zor
