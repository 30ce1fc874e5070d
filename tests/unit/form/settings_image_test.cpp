#include "form/averaging_rules.h"
#include "form/register_set_display.h"
#include "form/settings_image.h"
#include "image/byte_order.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace zor {
namespace {

std::string narrow(const std::u16string& text) {
    std::string out;
    for (const char16_t c : text)
        out.push_back(static_cast<char>(c));
    return out;
}

// What the form does with a register set when it is shown: the fields are written and their handlers
// store the texts back.
void showAndStoreBack(FormModel& model, std::int32_t k) {
    const RegisterSetView view = PrepareRegisterSetDisplay(model, k);
    model.sentenceId[k].assign(view.sentenceId.c_str());
    model.threshold[k] = std::strtof(narrow(view.thresholdText).c_str(), nullptr);
    model.monitoredParameter[k] = leadingInt(view.monitoredParameterText.c_str());
    model.hysteresis[k] = std::strtof(narrow(view.hysteresisText).c_str(), nullptr);
    AveragingPeriodChanged(model, view.averagingPeriodText.c_str());
    SampleRateChanged(model, view.sampleRateText.c_str());
}

// A converter's image with arbitrary values the form can hold unchanged.
ConfigImage randomNmeaImage(std::mt19937& random) {
    auto any = [&](std::int64_t low, std::int64_t high) {
        return static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(low, high)(random));
    };
    ConfigImage image;
    image.length = zor1::length;
    std::uint8_t* at = image.bytes.data();
    std::memcpy(at, "~ZOR1", 5);
    constexpr char busAddresses[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    at[5] = static_cast<std::uint8_t>(busAddresses[any(0, 61)]);
    for (std::int32_t i = 0; i < 8; ++i)
        at[6 + i] = static_cast<std::uint8_t>(any(1, 255));
    for (std::int32_t k = 0; k < 10; ++k) {
        for (std::int32_t i = 0; i < 5; ++i)
            at[14 + 6 * k + i] = static_cast<std::uint8_t>(any(1, 255));
        at[14 + 6 * k + 5] = 0;
    }
    const std::int32_t decimals = any(0, 6);
    const std::int32_t largest = any(0, 1) == 0 ? 9999999 : 99999;
    for (std::int32_t k = 0; k < 10; ++k) {
        WriteI32(at + 74 + 4 * k, any(INT32_MIN, INT32_MAX));
        WriteI32(at + 114 + 4 * k, any(-1, 31)); // the form's 0..32
        WriteI32(at + 158 + 4 * k, any(-largest, largest));
        WriteI32(at + 198 + 4 * k, any(0, 4));
        WriteI32(at + 238 + 4 * k, any(-largest, largest));
        at[302 + k] = static_cast<std::uint8_t>(any(0, 255));
    }
    WriteI32(at + 154, decimals);
    WriteI32(at + 278, any(0, 1));
    WriteI32(at + 282, any(0, 1));
    const std::int32_t bufferLength = any(1, 5000);
    const std::int32_t rate = any(1, 3600);
    WriteI32(at + 286, rate);
    WriteI32(at + 290, any(INT32_MIN, INT32_MAX));
    WriteI32(at + 294, any(1, bufferLength));
    WriteI32(at + 298, any(INT32_MIN, INT32_MAX));
    WriteI32(at + 312, bufferLength);
    WriteI32(at + 316, any(INT32_MIN, INT32_MAX));
    for (std::int32_t i = 0; i < 3; ++i)
        at[320 + i] = static_cast<std::uint8_t>(any(1, 255));
    std::memcpy(at + 323, "END", 3);
    return image;
}

TEST(SettingsImage, AConverterReadAndSentBackUnchangedKeepsItsSettings) {
    std::mt19937 random(410);
    for (std::int32_t round = 0; round < 1500; ++round) {
        const ConfigImage received = randomNmeaImage(random);
        const DecodedNmeaImage decoded =
            DecodeNmeaImage({received.bytes.data(), received.length}, ReplyOrigin::Port);
        ASSERT_TRUE(decoded.complete);
        FormModel model;
        ApplyNmeaImage(model, decoded);
        for (std::int32_t k = 9; k >= 0; --k)
            showAndStoreBack(model, k);

        const IdentityFields identity{decoded.address.c_str(), decoded.serialNumber->c_str()};
        const BuildResult sent = BuildSettingsImage(model, MainFunction::NmeaToSdi12, identity, {});
        ASSERT_TRUE(sent.ok);
        ASSERT_EQ(sent.image.length, received.length);
        for (std::int32_t i = 0; i < received.length; ++i)
            ASSERT_EQ(sent.image.bytes[i], received.bytes[i]) << "round " << round << ", offset " << i;
    }
}

TEST(SettingsImage, LengthenedIdentifiersStayInTheFormOnlyOnceTheyWereReached) {
    FormModel model;
    model.sentenceId[0].assign(u"GGA");
    BuildResult result = BuildSettingsImage(model, MainFunction::NmeaToSdi12, {u"1", u"1234567"}, {});
    EXPECT_EQ(result.failure.step, 3);
    EXPECT_EQ(std::u16string(model.sentenceId[0].c_str()), u"GGA");

    model.sentenceId[2].assign(u"\u4E00");
    result = BuildSettingsImage(model, MainFunction::NmeaToSdi12, {u"1", u"12345678"}, {});
    EXPECT_EQ(result.failure.step, 5);
    EXPECT_EQ(std::u16string(model.sentenceId[0].c_str()), u"**GGA");
    EXPECT_EQ(std::u16string(model.sentenceId[2].c_str()), u"****\u4E00");
    EXPECT_EQ(std::u16string(model.sentenceId[3].c_str()), u" -- undefined --");
}

TEST(SettingsImage, EachMainFunctionBuildsItsOwnImage) {
    FormModel model;
    model.modbusBaudIndex = 2;
    ModbusTableTexts table;
    table.startReg[0] = u"258";
    const IdentityFields identity{u"1", u"12345678"};
    BuildResult result = BuildSettingsImage(model, MainFunction::ModbusToSdi12, identity, table);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.length, 80);
    EXPECT_EQ(result.image.bytes[34], 1);
    EXPECT_EQ(result.image.bytes[35], 2);
    EXPECT_EQ(result.image.bytes[76], 2);
    result = BuildSettingsImage(model, MainFunction::Sdi12ToRs232, identity, table);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.length, 18);
    EXPECT_EQ(result.image.bytes[6], 2);
}

TEST(SettingsImage, ValuesNotTakenKeepWhatTheFormHeld) {
    std::mt19937 random(7);
    ConfigImage image = randomNmeaImage(random);
    WriteI32(image.bytes.data() + 312, 0);
    FormModel model;
    model.converterStateFlags = 0x10;
    model.averagingBufferLength = 33;
    ApplyNmeaImage(model, DecodeNmeaImage({image.bytes.data(), image.length}, ReplyOrigin::File));
    EXPECT_EQ(model.converterStateFlags, 0x10);
    EXPECT_EQ(model.averagingBufferLength, 33);
    EXPECT_EQ(model.averagingPeriod, ReadI32(image.bytes.data() + 294) * ReadI32(image.bytes.data() + 286));

    DecodedModbusImage modbus;
    modbus.modbusBaudIndex = std::nullopt;
    modbus.firmwareVersion = "9.9";
    modbus.converterStateFlags = 3;
    ApplyModbusImage(model, modbus);
    EXPECT_EQ(model.modbusBaudIndex, 4);
    EXPECT_EQ(model.converterStateFlags, 3);
    EXPECT_EQ(std::string(model.firmwareVersion.c_str()), "9.9");
    modbus.modbusBaudIndex = 5;
    modbus.firmwareVersion.reset();
    ApplyModbusImage(model, modbus);
    EXPECT_EQ(model.modbusBaudIndex, 5);
    EXPECT_EQ(std::string(model.firmwareVersion.c_str()), "9.9");
}

} // namespace
} // namespace zor
