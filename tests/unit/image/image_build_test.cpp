#include "image/byte_order.h"
#include "image/image_build.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

namespace zor {
namespace {

const IdentityFields goodIdentity{u"3", u"AB123456"};

std::string bytesAt(const ConfigImage& image, std::int32_t offset, std::int32_t length) {
    return std::string(reinterpret_cast<const char*>(image.bytes.data() + offset),
                       static_cast<std::size_t>(length));
}

TEST(SettingsChecks, RunInOrderWithTheirMessagesAndOwners) {
    struct Case {
        IdentityFields identity;
        std::int32_t step;
        std::u16string message;
        BoxOwner owner;
    };
    const Case cases[] = {
        {{u"12", u"short"}, 1, u"SDI12 address can only be 1 character", BoxOwner::None},
        {{u"\u0100", u"short"}, 2, u"SDI12 address must be one of 0-9, A-Z, a-z", BoxOwner::None},
        {{u"", u"short"}, 2, u"SDI12 address must be one of 0-9, A-Z, a-z", BoxOwner::None},
        {{u" ", u"short"}, 2, u"SDI12 address must be one of 0-9, A-Z, a-z", BoxOwner::None},
        {{u"#", u"short"}, 2, u"SDI12 address must be one of 0-9, A-Z, a-z", BoxOwner::None},
        {{u"1", u"AB12345"}, 3, u"Serial# must be 8 characters", BoxOwner::None},
        {{u"1", u"AB1234567"}, 3, u"Serial# must be 8 characters", BoxOwner::None},
        {{u"1", nullptr}, 3, u"Serial# must be 8 characters", BoxOwner::None},
        {{u"1", u"AB12345\u20AC"}, 4, u"Serial# character out of range", BoxOwner::MainWindow},
    };
    for (const Case& c : cases) {
        NmeaSettings settings;
        for (const BuildResult& result :
             {BuildNmeaImage(c.identity, settings), BuildModbusImage(c.identity, {}, 4),
              BuildSerialImage(c.identity, 4)}) {
            EXPECT_FALSE(result.ok);
            EXPECT_EQ(result.failure.step, c.step);
            EXPECT_EQ(std::u16string(result.failure.message), c.message);
            EXPECT_EQ(result.failure.owner, c.owner);
        }
    }
    EXPECT_EQ(std::u16string(checkFailureTitle), u"Error");
}

TEST(SettingsChecks, BusAddressesAndLatin1SerialCharactersPass) {
    const BuildResult result = BuildSerialImage({u"z", u"\u00FFB123456"}, 2);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.bytes[5], 'z');
    EXPECT_EQ(result.image.bytes[7], 0xFF);
    for (const char16_t* address : {u"0", u"9", u"A", u"Z", u"a"})
        EXPECT_TRUE(BuildSerialImage({address, u"AB123456"}, 2).ok);
    EXPECT_FALSE(BuildSerialImage({nullptr, u"AB123456"}, 2).ok);
}

TEST(NmeaImage, SentenceIdentifiersAreLengthenedAndCutToSixCharacters) {
    NmeaSettings settings;
    settings.sentenceId[0] = u"GGA";
    settings.sentenceId[1] = u"GPGGA";
    settings.sentenceId[2] = u" -- undefined --";
    settings.sentenceId[3] = u"";
    settings.sentenceId[4] = u"AB";
    const BuildResult result = BuildNmeaImage(goodIdentity, settings);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(bytesAt(result.image, 14, 6), std::string("**GGA\0", 6));
    EXPECT_EQ(bytesAt(result.image, 20, 6), std::string("GPGGA\0", 6));
    EXPECT_EQ(bytesAt(result.image, 26, 6), " -- un");
    EXPECT_EQ(bytesAt(result.image, 32, 6), std::string("*****\0", 6));
    EXPECT_EQ(settings.sentenceId[0], u"**GGA");
    EXPECT_EQ(settings.sentenceId[3], u"*****");
    EXPECT_EQ(settings.sentenceId[4], u"***AB");
    EXPECT_EQ(settings.sentenceId[2], u" -- undefined --");
}

TEST(NmeaImage, AnIdentifierOutOfRangeStopsTheBuildAfterLengtheningTheSetsBeforeIt) {
    NmeaSettings settings;
    settings.sentenceId[0] = u"A";
    settings.sentenceId[1] = u"B\u0400";
    settings.sentenceId[2] = u"C";
    settings.sentenceId[3] = u"DDDDDD";
    BuildResult result = BuildNmeaImage(goodIdentity, settings);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure.step, 5);
    EXPECT_EQ(std::u16string(result.failure.message), u"NMEA ID character out of range");
    EXPECT_EQ(result.failure.owner, BoxOwner::MainWindow);
    EXPECT_EQ(settings.sentenceId[0], u"****A");
    EXPECT_EQ(settings.sentenceId[1], u"***B\u0400");
    EXPECT_EQ(settings.sentenceId[2], u"C");

    settings.sentenceId[1] = u"B";
    result = BuildNmeaImage(goodIdentity, settings);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(bytesAt(result.image, 14 + 18, 6), "DDDDDD");

    // A seventh character would be cut without a terminator.
    settings.sentenceId[3] = u"DDDDDDD";
    result = BuildNmeaImage(goodIdentity, settings);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(std::u16string(result.failure.message), u"NMEA ID can be at most 6 characters");
}

TEST(NmeaImage, EveryFieldStandsAtItsOffset) {
    NmeaSettings s;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        s.parameterSelectMask[k] = 0x80000001u + static_cast<std::uint32_t>(k);
        s.monitoredParameter[k] = k + 1;
        s.threshold[k] = 12.5f;
        s.thresholdFunction[k] = k % 5;
        s.hysteresis[k] = -0.29f;
        s.flagBytes[k] = 0x100 + k; // only the low byte is sent
    }
    s.thresholdDecimals = 2;
    s.triggeredOutputOn = 1;
    s.reflectOutputInLed = 1;
    s.averagingSampleRate = 3;
    s.secondSampleRate = 4;
    s.averagingSampleCount = 5;
    s.secondSampleCount = 6;
    s.averagingBufferLength = 60;
    s.converterStateFlags = 0x41;
    s.firmwareVersion = "1.7";
    const BuildResult result = BuildNmeaImage({u"7", u"SN000001"}, s);
    ASSERT_TRUE(result.ok);
    const ConfigImage& image = result.image;
    const std::uint8_t* at = image.bytes.data();
    EXPECT_EQ(image.length, 326);
    EXPECT_EQ(bytesAt(image, 0, 14), "~ZOR17SN000001");
    EXPECT_EQ(ReadI32(at + 74), static_cast<std::int32_t>(0x80000001u));
    EXPECT_EQ(ReadI32(at + 74 + 36), static_cast<std::int32_t>(0x8000000Au));
    EXPECT_EQ(ReadI32(at + 114), 0); // the form counts from 1, the image from 0
    EXPECT_EQ(ReadI32(at + 114 + 36), 9);
    EXPECT_EQ(ReadI32(at + 154), 2);
    EXPECT_EQ(ReadI32(at + 158), 1250);
    EXPECT_EQ(ReadI32(at + 198 + 16), 4);
    EXPECT_EQ(ReadI32(at + 238 + 36), -29);
    EXPECT_EQ(ReadI32(at + 278), 1);
    EXPECT_EQ(ReadI32(at + 282), 1);
    EXPECT_EQ(ReadI32(at + 286), 3);
    EXPECT_EQ(ReadI32(at + 290), 4);
    EXPECT_EQ(ReadI32(at + 294), 5);
    EXPECT_EQ(ReadI32(at + 298), 6);
    EXPECT_EQ(at[302], 0);
    EXPECT_EQ(at[311], 9);
    EXPECT_EQ(ReadI32(at + 312), 60);
    EXPECT_EQ(ReadI32(at + 316), 0x41);
    EXPECT_EQ(bytesAt(image, 320, 6), "1.7END");
}

TEST(NmeaImage, MonitoredParametersFrom0To32GoOutMinusOneAndAShortFirmwareVersionIsPadded) {
    NmeaSettings s;
    s.monitoredParameter[0] = 0; // none chosen
    s.monitoredParameter[1] = 32;
    s.firmwareVersion = "";
    BuildResult result = BuildNmeaImage(goodIdentity, s);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(ReadI32(result.image.bytes.data() + 114), -1);
    EXPECT_EQ(ReadI32(result.image.bytes.data() + 118), 31);
    EXPECT_EQ(bytesAt(result.image, 320, 6), std::string("\0\0\0END", 6));
    for (const std::int32_t beyond : {33, -1, std::numeric_limits<std::int32_t>::min()}) {
        s.monitoredParameter[7] = beyond;
        result = BuildNmeaImage(goodIdentity, s);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failure.message,
                  u"\"Monitored Parameter\" of register set 7 must be a whole number from 0 to 32");
    }
}

TEST(ModbusImage, NumbersGoOutBigEndianAndWhatTheirBitsCannotCarryIsRefused) {
    ModbusTableTexts table;
    table.address = {u"200", u"", u" 255 ", u"  +17", u"0", nullptr, u"1", u"1", u"1", u"1"};
    table.command = {u"4", u"3", u"", u"", u"", u"", u"", u"", u"", u"255"};
    table.startReg = {u"258", u"200", u"65535", u"0", u"", u"", u"", u"", u"", u""};
    table.regCount = {u"4464", u"2", u"", u"", u"", u"", u"", u"", u"", u"1"};
    table.timeout = u"1000";
    const BuildResult result = BuildModbusImage({u"0", u"12345678"}, table, 5);
    ASSERT_TRUE(result.ok);
    const ConfigImage& image = result.image;
    const std::uint8_t* at = image.bytes.data();
    EXPECT_EQ(image.length, 80);
    EXPECT_EQ(bytesAt(image, 0, 14), "~ZOR2012345678");
    const std::uint8_t addresses[10] = {200, 0, 255, 17, 0, 0, 1, 1, 1, 1};
    for (std::int32_t r = 0; r < 10; ++r)
        EXPECT_EQ(at[14 + r], addresses[r]) << "row " << r + 1;
    EXPECT_EQ(at[24], 4);
    EXPECT_EQ(at[33], 255);
    EXPECT_EQ(bytesAt(image, 34, 8), std::string("\x01\x02\x00\xC8\xFF\xFF\x00\x00", 8));
    EXPECT_EQ(at[54], 0x11);
    EXPECT_EQ(at[55], 0x70);
    EXPECT_EQ(ReadU16BE(at + 72), 1);
    EXPECT_EQ(ReadU16BE(at + 74), 1000);
    EXPECT_EQ(at[76], 5);
    EXPECT_EQ(bytesAt(image, 77, 3), "END");

    // Once cut to its low bits each of these would have gone out as another number.
    struct Refusal {
        std::array<const char16_t*, modbusRowCount> ModbusTableTexts::*column;
        std::int32_t row; // 1..10
        const char16_t* typed;
        std::u16string message;
    };
    const Refusal refusals[] = {
        {&ModbusTableTexts::address, 1, u"256", u"\"Address\" in row 0 must be a whole number from 0 to 255"},
        {&ModbusTableTexts::address, 3, u"-1", u"\"Address\" in row 2 must be a whole number from 0 to 255"},
        {&ModbusTableTexts::address, 4, u"17x", u"\"Address\" in row 3 must be a whole number from 0 to 255"},
        {&ModbusTableTexts::command, 10, u"259",
         u"\"Command\" in row 9 must be a whole number from 0 to 255"},
        {&ModbusTableTexts::startReg, 4, u"65536",
         u"\"Start Reg\" in row 3 must be a whole number from 0 to 65535"},
        {&ModbusTableTexts::startReg, 6, u"99999999999",
         u"\"Start Reg\" in row 5 must be a whole number from 0 to 65535"},
        {&ModbusTableTexts::regCount, 1, u"70000",
         u"\"Reg Count\" in row 0 must be a whole number from 0 to 65535"},
        {&ModbusTableTexts::regCount, 7, u"1,5",
         u"\"Reg Count\" in row 6 must be a whole number from 0 to 65535"},
    };
    for (const Refusal& r : refusals) {
        ModbusTableTexts refused = table;
        (refused.*r.column)[static_cast<std::size_t>(r.row - 1)] = r.typed;
        const BuildResult built = BuildModbusImage({u"0", u"12345678"}, refused, 5);
        EXPECT_FALSE(built.ok) << r.row;
        EXPECT_EQ(built.failure.step, 6);
        EXPECT_EQ(built.failure.message, r.message);
        EXPECT_EQ(built.failure.owner, BoxOwner::MainWindow);
    }
    ModbusTableTexts refused = table;
    refused.timeout = u"65536";
    EXPECT_EQ(BuildModbusImage({u"0", u"12345678"}, refused, 5).failure.message,
              u"\"Modbus Timeout\" must be a whole number from 0 to 65535");
    // The address and serial number are checked first.
    EXPECT_EQ(BuildModbusImage({u"0", u"1234567"}, refused, 5).failure.step, 3);
}

TEST(NmeaImage, ThresholdsAndHysteresesBeyondTheirScaledRangeAreRefused) {
    struct Case {
        float threshold;
        float hysteresis;
        std::int32_t decimals;
        std::u16string message; // empty: sent
    };
    const Case cases[] = {
        {21474836.0f, 0.0f, 2, u""},
        {-21474836.0f, 0.0f, 2, u""},
        {21474838.0f, 0.0f, 2,
         u"\"Threshold (switch ON level)\" of register set 4 must be a number from -21474836.48 to "
         u"21474836.47"},
        {0.0f, -3e9f, 0,
         u"\"Hysteresis (switch OFF level)\" of register set 4 must be a number from -2147483648 to "
         u"2147483647"},
        {std::numeric_limits<float>::quiet_NaN(), 0.0f, 3,
         u"\"Threshold (switch ON level)\" of register set 4 must be a number from -2147483.648 to "
         u"2147483.647"},
        {0.0f, 0.5f, 10,
         u"\"Hysteresis (switch OFF level)\" of register set 4 must be a number from -0.2147483648 to "
         u"0.2147483647"},
    };
    for (const Case& c : cases) {
        NmeaSettings s;
        s.thresholdDecimals = c.decimals;
        s.threshold[4] = c.threshold;
        s.hysteresis[4] = c.hysteresis;
        const BuildResult result = BuildNmeaImage(goodIdentity, s);
        EXPECT_EQ(result.ok, c.message.empty()) << c.threshold;
        EXPECT_EQ(result.failure.message, c.message);
    }
}

TEST(SerialImage, HoldsAddressBaudAndSerialNumber) {
    const BuildResult result = BuildSerialImage({u"a", u"ZZ000099"}, 3);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.length, 18);
    EXPECT_EQ(bytesAt(result.image, 0, 18), std::string("~ZOR3a\x03ZZ000099END", 18));
}

} // namespace
} // namespace zor
