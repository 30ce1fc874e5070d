// The "nmea.txt" we ship beside the program: every record loads, none is cut, and the sentences a
// technician meets are described whatever their talker.
#include "nmea/sentence_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// What the program relies on, whatever line ends or byte-order mark an editor gave the file: eighty
// records, each identifier at most five characters, at most 32 parameters (the loader would drop more
// without a word), nothing after the last record. The loader says the first two itself; the rest holds
// when every line of the file is one the loader took: an identifier, a description, a parameter or the
// "*END*" of each entry it filled.
TEST(ShippedCatalogue, FillsAllEightyEntriesWithNoRecordCut) {
    const std::string file = shippedFile();
    ASSERT_FALSE(file.empty());
    SentenceCatalogue catalogue;
    const CatalogueLoad result = LoadCatalogue(catalogue, file.data(), file.size());
    EXPECT_FALSE(result.identifierTooLong) << std::string(result.message.begin(), result.message.end());
    EXPECT_EQ(result.captionedEntries, catalogueEntryCount);

    std::size_t linesTaken = 0;
    std::set<std::u16string> ids;
    for (const SentenceEntry& entry : catalogue.entries) {
        EXPECT_TRUE(ids.insert(entry.id.c_str()).second) << "a second record for one identifier";
        EXPECT_GT(entry.parameters[0].length(), 0) << "a record without parameters";
        std::size_t parameters = 0;
        for (std::int32_t j = 0; j < catalogueParameterCount; ++j)
            if (entry.parameters[j].length() > 0) parameters = static_cast<std::size_t>(j) + 1;
        linesTaken += 3 + parameters;
    }
    const auto fileLines =
        static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n')) + (file.back() == '\n' ? 0 : 1);
    EXPECT_EQ(linesTaken, fileLines)
        << "lines the loader left: a record cut, a blank line or text after the last";
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
