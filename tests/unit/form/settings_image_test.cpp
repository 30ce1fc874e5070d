#include "form/averaging_rules.h"
#include "form/register_set_display.h"
#include "form/settings_image.h"
#include "image/byte_order.h"
#include "support/random_nmea_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace zor {
namespace {

using testing::randomNmeaImage;

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
