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
    // The converter's own value, which "Send Settings" writes otherwise than it holds it (a short
    // sentence identifier lengthened, a threshold through a 32-bit float): any send changes it.
    bool sendRewrites = false;
};

// How fields are compared. Bytes: whether the converter kept the bytes it was sent (verify). Values: as
// the program reads them, so that what no read can tell apart is no difference (diff): a sentence ID is
// its first five characters (the sixth byte of a slot is never read), and a threshold or hysteresis of
// 0.5 is the same at 1 and at 2 decimals (the decimals, when they differ, are a difference of their own).
enum class Compared { Bytes, Values };

// sent: the whole image written; reply: the bytes of the reply from its tag on.
std::vector<FieldDifference> CompareSettings(const std::vector<std::uint8_t>& sent,
                                             const std::vector<std::uint8_t>& reply,
                                             Compared how = Compared::Bytes);

// "registerSets[0].threshold (sent 30.5, read back 0)", joined by "; ", with the two values called
// sentAs and readBackAs ("sent" and "read back"; diff: "file" and "converter").
std::string DescribeDifferences(const std::vector<FieldDifference>& differences, const char* sentAs,
                                const char* readBackAs);

} // namespace zor::cli
