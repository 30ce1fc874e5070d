#include "link/firmware_packet.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace zor {
namespace {

std::unique_ptr<FirmwareImage> imageOf(const std::vector<std::uint8_t>& bytes) {
    auto image = std::make_unique<FirmwareImage>();
    EXPECT_TRUE(LoadFirmwareImage(*image, bytes.data(), bytes.size()).ok);
    return image;
}

std::uint32_t sumField(const FirmwarePacket& packet) {
    return packet.bytes[33] | (packet.bytes[34] << 8);
}

TEST(FirmwarePacket, SumIsLittleEndianAndWraps) {
    auto image = imageOf(std::vector<std::uint8_t>(32, 0xFF));
    std::int32_t cursor = 0;
    const FirmwarePacket packet = BuildFirmwarePacket(*image, cursor);
    EXPECT_EQ(packet.bytes[0], 0x01);
    EXPECT_EQ(packet.bytes[33], 0xE0); // 8160
    EXPECT_EQ(packet.bytes[34], 0x1F);
    EXPECT_TRUE(packet.complete);
    EXPECT_EQ(cursor, 32);

    // The last packet of a full image reads up to the end of the buffer and no further.
    image = imageOf(std::vector<std::uint8_t>(32768, 0xFF));
    cursor = 32 * 1023;
    EXPECT_EQ(sumField(BuildFirmwarePacket(*image, cursor)), 8160u);
    EXPECT_EQ(cursor, 32768);
}

TEST(FirmwarePacket, LastPacketHoldsTheRestAndZeroFilling) {
    std::vector<std::uint8_t> bytes(100);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i + 1);
    auto image = imageOf(bytes);
    std::int32_t cursor = 0;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(BuildFirmwarePacket(*image, cursor).complete);
    const FirmwarePacket last = BuildFirmwarePacket(*image, cursor);
    EXPECT_FALSE(last.complete);
    EXPECT_EQ(cursor, 100);
    const std::vector<std::uint8_t> data(last.bytes + 1, last.bytes + 33);
    EXPECT_EQ(data, (std::vector<std::uint8_t>{97, 98, 99, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                               0,  0,  0,  0,   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sumField(last), 97u + 98 + 99 + 100);

    // A size that is a multiple of 32 ends with a packet of 32 zero bytes and a zero sum.
    image = imageOf(std::vector<std::uint8_t>(64, 7));
    cursor = 64;
    const FirmwarePacket empty = BuildFirmwarePacket(*image, cursor);
    EXPECT_FALSE(empty.complete);
    EXPECT_EQ(sumField(empty), 0u);
    EXPECT_EQ(cursor, 64);
}

TEST(FirmwarePacket, FilesThatDoNotFitOrAreEmptyAreRefused) {
    auto image = std::make_unique<FirmwareImage>();
    std::vector<std::uint8_t> bytes(32769, 1);
    FirmwareFileCheck check = LoadFirmwareImage(*image, bytes.data(), bytes.size());
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, u"The firmware file is too large (32769 bytes, at most 32768)");
    EXPECT_EQ(image->size, 0);

    EXPECT_TRUE(LoadFirmwareImage(*image, bytes.data(), 32768).ok);
    EXPECT_EQ(image->size, 32768);

    check = LoadFirmwareImage(*image, bytes.data(), 0);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, u"The firmware file is empty");
    EXPECT_EQ(image->size, 0);
}

} // namespace
} // namespace zor
