// Whether a converter holds what it was sent: the image sent and the converter's reply to the next
// query, compared field by field. The fields the converter owns (its state word and firmware version)
// are not compared; the rest are named as a settings text (JSON) names them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zor::cli {

struct FieldDifference {
    std::string field; // "registerSets[0].threshold"
    std::string sent;
    std::string readBack;
};

// sent: the whole image written; reply: the bytes of the reply from its tag on.
std::vector<FieldDifference> CompareSettings(const std::vector<std::uint8_t>& sent,
                                             const std::vector<std::uint8_t>& reply);

// "registerSets[0].threshold (sent 30.5, read back 0)", joined by "; ".
std::string DescribeDifferences(const std::vector<FieldDifference>& differences);

} // namespace zor::cli
