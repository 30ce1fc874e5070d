#include "image/byte_order.h"
#include "image/image_build.h"
#include "image/image_decode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <tuple>
#include <vector>

namespace zor {
namespace {

ConfigImage nmeaImage(NmeaSettings settings) {
    BuildResult result = BuildNmeaImage({u"5", u"SN123456"}, settings);
    EXPECT_TRUE(result.ok);
    return result.image;
}

ReceivedBytes whole(const ConfigImage& image) {
    return {image.bytes.data(), image.length};
}

TEST(NmeaDecode, TakesBackEveryFieldItWasBuiltFrom) {
    NmeaSettings s;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        s.sentenceId[k] = k == 0 ? u"GPRMC" : u"HD";
        s.parameterSelectMask[k] = 0xFFFFFFFFu - static_cast<std::uint32_t>(k);
        s.monitoredParameter[k] = k + 2;
        s.threshold[k] = -1.5f;
        s.thresholdFunction[k] = 7;
        s.hysteresis[k] = 0.125f;
        s.flagBytes[k] = 200 + k;
    }
    s.thresholdDecimals = 3;
    s.triggeredOutputOn = 0;
    s.reflectOutputInLed = 1;
    s.averagingSampleRate = 2;
    s.secondSampleRate = 3;
    s.averagingSampleCount = 10;
    s.secondSampleCount = 7;
    s.averagingBufferLength = 100;
    s.converterStateFlags = 0x7F;
    s.firmwareVersion = "2.4";
    const ConfigImage image = nmeaImage(s);

    const DecodedNmeaImage d = DecodeNmeaImage(whole(image), ReplyOrigin::Port);
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.address, u"5");
    EXPECT_EQ(d.serialNumber, u"SN123456");
    EXPECT_EQ(d.settings.sentenceId[0], u"GPRMC");
    EXPECT_EQ(d.settings.sentenceId[1], u"***HD"); // as lengthened when it was sent
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        EXPECT_EQ(d.settings.parameterSelectMask[k], s.parameterSelectMask[k]);
        EXPECT_EQ(d.settings.monitoredParameter[k], k + 2);
        EXPECT_EQ(d.settings.threshold[k], -1.5f);
        EXPECT_EQ(d.settings.thresholdFunction[k], 7); // corrected only when displayed
        EXPECT_EQ(d.settings.hysteresis[k], 0.125f);
        EXPECT_EQ(d.settings.flagBytes[k], 200 + k);
    }
    EXPECT_EQ(d.settings.thresholdDecimals, 3);
    EXPECT_EQ(d.settings.triggeredOutputOn, 0);
    EXPECT_EQ(d.settings.reflectOutputInLed, 1);
    EXPECT_EQ(d.settings.averagingSampleRate, 2);
    EXPECT_EQ(d.settings.secondSampleRate, 3);
    EXPECT_EQ(d.averagingPeriod, 20);
    EXPECT_EQ(d.secondAveragingPeriod, 21);
    EXPECT_EQ(d.averagingBufferLength, 100);
    EXPECT_EQ(d.converterStateFlags, 0x7F);
    EXPECT_EQ(d.settings.firmwareVersion, "2.4");

    const DecodedNmeaImage fromFile = DecodeNmeaImage(whole(image), ReplyOrigin::File);
    EXPECT_FALSE(fromFile.serialNumber.has_value());
    EXPECT_FALSE(fromFile.converterStateFlags.has_value());
    EXPECT_TRUE(fromFile.complete);
}

TEST(NmeaDecode, SlotsEndAtZeroAndCountsFromZeroBecomeOne) {
    ConfigImage image = nmeaImage({});
    std::memcpy(image.bytes.data() + 14, "ABCDE\0", 6);
    std::memcpy(image.bytes.data() + 20, "XY\0\0\0\0", 6);
    std::memcpy(image.bytes.data() + 26, "LMNOPQ", 6); // only five characters are taken
    std::memcpy(image.bytes.data() + 6, "AB\0DEFGH", 8);
    WriteI32(image.bytes.data() + 114, 0);
    WriteI32(image.bytes.data() + 118, std::numeric_limits<std::int32_t>::max());
    const DecodedNmeaImage d = DecodeNmeaImage(whole(image), ReplyOrigin::Port);
    EXPECT_EQ(d.settings.sentenceId[0], u"ABCDE");
    EXPECT_EQ(d.settings.sentenceId[1], u"XY");
    EXPECT_EQ(d.settings.sentenceId[2], u"LMNOP");
    EXPECT_EQ(d.serialNumber, u"AB");
    EXPECT_EQ(d.settings.monitoredParameter[0], 1);
    EXPECT_EQ(d.settings.monitoredParameter[1], std::numeric_limits<std::int32_t>::min());
}

TEST(NmeaDecode, OutOfRangeNumbersAreSafe) {
    ConfigImage image = nmeaImage({});
    std::uint8_t* at = image.bytes.data();
    WriteI32(at + 312, 0);                                        // buffer length: a divisor, not stored
    WriteI32(at + 286, 65536);                                    // rate
    WriteI32(at + 294, 65536);                                    // count: the product overflows
    WriteI32(at + 290, std::numeric_limits<std::int32_t>::min()); // second rate
    WriteI32(at + 298, 2);
    WriteI32(at + 154, std::numeric_limits<std::int32_t>::min());
    WriteI32(at + 158, 5);
    const DecodedNmeaImage d = DecodeNmeaImage(whole(image), ReplyOrigin::Port);
    EXPECT_FALSE(d.averagingBufferLength.has_value());
    EXPECT_EQ(d.averagingPeriod, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(d.secondAveragingPeriod, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(d.settings.threshold[0], std::numeric_limits<float>::infinity());
    EXPECT_TRUE(d.complete);
}

// Any count of decimals may arrive; each of the twenty scaled fields must still decode at once (the
// test's time-out catches a decode that counts its way to 2^31) and the count is kept to be sent back.
TEST(NmeaDecode, AbsurdDecimalCountsDecodeEveryScaledFieldBounded) {
    NmeaSettings s;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        s.threshold[k] = 12.5f;
        s.hysteresis[k] = -0.5f;
    }
    s.thresholdDecimals = 2;
    ConfigImage image = nmeaImage(s);
    const float infinity = std::numeric_limits<float>::infinity();
    for (const auto& [decimals, threshold, hysteresis] :
         {std::tuple{std::numeric_limits<std::int32_t>::max(), 0.0f, -0.0f},
          std::tuple{std::numeric_limits<std::int32_t>::min(), infinity, -infinity},
          std::tuple{-3, 1.25e6f, -5e4f}}) {
        WriteI32(image.bytes.data() + 154, decimals);
        const DecodedNmeaImage d = DecodeNmeaImage(whole(image), ReplyOrigin::Port);
        EXPECT_EQ(d.settings.thresholdDecimals, decimals);
        for (std::int32_t k = 0; k < registerSetCount; ++k) {
            EXPECT_EQ(d.settings.threshold[k], threshold);
            EXPECT_EQ(d.settings.hysteresis[k], hysteresis);
        }
    }
}

TEST(NmeaDecode, BytesBeyondTheReadAreZeroNeverWhatWasThereBefore) {
    const ConfigImage image = nmeaImage({});
    // A buffer still holding a complete image from an earlier read, of which only 100 bytes are new.
    std::vector<std::uint8_t> buffer(image.bytes.begin(), image.bytes.begin() + image.length);
    const DecodedNmeaImage d = DecodeNmeaImage({buffer.data(), 100}, ReplyOrigin::File);
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(d.settings.triggeredOutputOn, 0);
    EXPECT_EQ(d.settings.firmwareVersion, "");
    EXPECT_EQ(d.settings.averagingSampleRate, 0);
    EXPECT_EQ(d.settings.sentenceId[9], u"*****"); // within the 100 bytes read
}

TEST(ModbusDecode, ReadsTheReplyLayout) {
    std::uint8_t reply[87] = {};
    std::memcpy(reply, "~ZOR2xSERIAL01", 14);
    reply[14] = 0xC8;
    reply[24 + 9] = 16;
    reply[34] = 0x00;
    reply[35] = 0xC8;
    reply[54 + 18] = 0xFF;
    reply[54 + 19] = 0xFF;
    reply[74] = 0x03;
    reply[75] = 0xE8;
    reply[76] = 3;
    WriteI32(reply + 77, 0x21);
    std::memcpy(reply + 81, "3.1END", 6);
    const DecodedModbusImage d = DecodeModbusImage({reply, 87}, ReplyOrigin::Port);
    EXPECT_TRUE(d.complete);
    EXPECT_FALSE(d.savedLayout);
    EXPECT_EQ(d.address, u"x");
    EXPECT_EQ(d.serialNumber, u"SERIAL01");
    EXPECT_EQ(d.rows[0].address, 200);
    EXPECT_EQ(d.rows[9].command, 16);
    EXPECT_EQ(d.rows[0].startReg, 200);
    EXPECT_EQ(d.rows[9].regCount, 65535);
    EXPECT_EQ(d.timeout, 1000);
    EXPECT_EQ(d.modbusBaudIndex, 3);
    EXPECT_EQ(d.converterStateFlags, 0x21);
    EXPECT_EQ(d.firmwareVersion, "3.1");

    for (const int baud : {0, 6, 255}) {
        reply[76] = static_cast<std::uint8_t>(baud);
        EXPECT_FALSE(DecodeModbusImage({reply, 87}, ReplyOrigin::Port).modbusBaudIndex.has_value());
    }
    // The 80-byte layout is not a complete reply from the converter.
    EXPECT_FALSE(DecodeModbusImage({reply, 80}, ReplyOrigin::Port).complete);
}

TEST(ModbusDecode, AFileSavedByTheProgramIsCompleteInItsOwnLayout) {
    ModbusTableTexts table;
    table.address.fill(u"9");
    table.timeout = u"500";
    const BuildResult saved = BuildModbusImage({u"1", u"12345678"}, table, 2);
    ASSERT_TRUE(saved.ok);
    // Behind the 80 bytes: what an earlier read left in the buffer, which must play no part.
    std::vector<std::uint8_t> buffer(200, 'E');
    std::memcpy(buffer.data(), saved.image.bytes.data(), 80);
    const DecodedModbusImage d = DecodeModbusImage({buffer.data(), 80}, ReplyOrigin::File);
    EXPECT_TRUE(d.complete);
    EXPECT_TRUE(d.savedLayout);
    EXPECT_FALSE(d.serialNumber.has_value());
    EXPECT_FALSE(d.converterStateFlags.has_value());
    EXPECT_FALSE(d.firmwareVersion.has_value());
    EXPECT_EQ(d.rows[4].address, 9);
    EXPECT_EQ(d.timeout, 500);
    EXPECT_EQ(d.modbusBaudIndex, 2);

    buffer[79] = 'X'; // damaged trailer
    EXPECT_FALSE(DecodeModbusImage({buffer.data(), 80}, ReplyOrigin::File).complete);
    EXPECT_FALSE(DecodeModbusImage({buffer.data(), 79}, ReplyOrigin::File).complete);
}

TEST(SerialDecode, ReadsAddressSerialNumberAndBaud) {
    const BuildResult saved = BuildSerialImage({u"z", u"ABCDEFGH"}, 5);
    ASSERT_TRUE(saved.ok);
    const DecodedSerialImage d = DecodeSerialImage(whole(saved.image));
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.address, u"z");
    EXPECT_EQ(d.serialNumber, u"ABCDEFGH");
    EXPECT_EQ(d.modbusBaudIndex, 5);
    EXPECT_FALSE(DecodeSerialImage({saved.image.bytes.data(), 17}).complete);
}

TEST(ConverterStateTitle, FollowsTheTwoBlanks) {
    EXPECT_EQ(ConverterStateTitle("1.2"), u"Converter State:  Firmware Version 1.2");
    EXPECT_EQ(ConverterStateTitle(""), u"Converter State:  Firmware Version ");
    EXPECT_EQ(ConverterStateTitle("\xE9"), u"Converter State:  Firmware Version \u00E9");
}

} // namespace
} // namespace zor
