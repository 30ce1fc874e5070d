// The "nmea.txt" we ship beside the program: every record loads, none is cut, and the sentences a
// technician meets are described whatever their talker.
#include "nmea/sentence_catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace zor {
namespace {

std::string shippedFile() {
    std::ifstream in(ZOR_SHIPPED_CATALOGUE, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The file's lines without their line ends (a line feed, a carriage return before it) and without a
// byte-order mark before the first.
std::vector<std::string> fileLines(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t at = file.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (at < file.size()) {
        std::size_t end = file.find('\n', at);
        if (end == std::string::npos) end = file.size();
        std::string line = file.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

// What the program relies on, whatever line ends or byte-order mark an editor gave the file: eighty
// records, each identifier at most five characters, at most 32 parameters (the loader would drop more
// without a word), nothing after the last record.
TEST(ShippedCatalogue, FillsAllEightyEntriesWithNoRecordCut) {
    const std::string file = shippedFile();
    ASSERT_FALSE(file.empty());
    SentenceCatalogue catalogue;
    const CatalogueLoad result = LoadCatalogue(catalogue, file.data(), file.size());
    EXPECT_FALSE(result.identifierTooLong) << std::string(result.message.begin(), result.message.end());
    EXPECT_EQ(result.captionedEntries, catalogueEntryCount);

    // The records as the file holds them, counted apart from the loader.
    std::int32_t linesInRecord = 0, records = 0;
    for (const std::string& line : fileLines(file)) {
        if (line != "*END*") {
            if (linesInRecord == 0) {
                EXPECT_LE(line.size(), 5u) << "identifier of record " << records;
            }
            ++linesInRecord;
            continue;
        }
        EXPECT_GE(linesInRecord, 2) << "record " << records << " lacks its identifier or description";
        EXPECT_LE(linesInRecord - 2, catalogueParameterCount) << "record " << records;
        linesInRecord = 0;
        ++records;
    }
    EXPECT_EQ(records + (linesInRecord > 0 ? 1 : 0), catalogueEntryCount);

    std::set<std::u16string> ids;
    for (const SentenceEntry& entry : catalogue.entries) {
        EXPECT_TRUE(ids.insert(entry.id.c_str()).second) << "a second record for one identifier";
        EXPECT_EQ(entry.id.length(), 5);
        EXPECT_GT(entry.parameters[0].length(), 0);
    }
}

TEST(ShippedCatalogue, DescribesTheFieldsOfCommonSentencesForAnyTalker) {
    const std::string file = shippedFile();
    SentenceCatalogue catalogue;
    LoadCatalogue(catalogue, file.data(), file.size());
    auto describe = [&](const char16_t* id, std::int32_t slot) -> std::u16string {
        const std::int32_t e = Lookup(catalogue, id, slot);
        return e < 0 ? u"" : catalogue.entries[e].parameters[slot].c_str();
    };
    EXPECT_EQ(describe(u"GPGGA", 1), u"Latitude (ddmm.mmmm)");
    EXPECT_EQ(describe(u"GPGGA", 6), u"Number of satellites in use");
    EXPECT_EQ(describe(u"WIMWV", 2), u"Wind speed");
    EXPECT_EQ(describe(u"SDDPT", 0), u"Depth below transducer (metres)");
    // A talker without a record of its own falls to the wildcard record.
    EXPECT_EQ(describe(u"BDGGA", 1), u"Latitude (ddmm.mmmm)");
    EXPECT_EQ(describe(u"ECMTW", 0), u"Water temperature");
    // Eight transducers of four fields fill all 32 slots.
    EXPECT_EQ(describe(u"IIXDR", 31), u"Transducer 8: name");
}

} // namespace
} // namespace zor
