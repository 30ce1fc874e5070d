// The "nmea.txt" we ship beside the program: every record loads, none is cut, and the sentences a
// technician meets are described whatever their talker.
#include "nmea/sentence_catalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace zor {
namespace {

std::string shippedFile() {
    std::ifstream in(ZOR_SHIPPED_CATALOGUE, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ShippedCatalogue, FillsAllEightyEntriesWithNoRecordCut) {
    const std::string file = shippedFile();
    ASSERT_FALSE(file.empty());
    SentenceCatalogue catalogue;
    const CatalogueLoad result = LoadCatalogue(catalogue, file.data(), file.size());
    EXPECT_FALSE(result.identifierTooLong);
    EXPECT_EQ(result.captionedEntries, catalogueEntryCount);

    // The loader drops lines past the 32nd parameter silently: count them in the file itself.
    std::int32_t linesInRecord = 0, records = 0;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = file.find('\n', at);
        const std::string line = file.substr(at, end - at);
        at = end == std::string::npos ? file.size() : end + 1;
        if (line == "*END*\r") {
            EXPECT_LE(linesInRecord - 2, catalogueParameterCount) << "record " << records;
            linesInRecord = 0;
            ++records;
        } else {
            ++linesInRecord;
        }
    }
    EXPECT_EQ(records, catalogueEntryCount);
    EXPECT_EQ(linesInRecord, 0); // nothing after the last record

    std::set<std::u16string> ids;
    for (const SentenceEntry& entry : catalogue.entries) {
        EXPECT_TRUE(ids.insert(entry.id.c_str()).second) << "a second record for one identifier";
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
