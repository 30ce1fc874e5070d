#include "form/averaging_rules.h"
#include "form/register_set_display.h"
#include "form/settings_record.h"
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

TEST(SettingsRecord, LengthenedIdentifiersStayInTheFormOnlyOnceTheyWereReached) {
    FormModel model;
    model.mainFunction = MainFunction::NmeaToSdi12;
    model.address = u"1";
    model.serialNumber = u"1234567";
    model.sentenceId[0].assign(u"GGA");
    BuildResult result = BuildImage(model);
    EXPECT_EQ(result.failure.step, 3);
    EXPECT_EQ(model.sentenceId[0], u"GGA");

    model.sentenceId[2].assign(u"\u4E00");
    model.serialNumber = u"12345678";
    result = BuildImage(model);
    EXPECT_EQ(result.failure.step, 5);
    EXPECT_EQ(model.sentenceId[0], u"**GGA");
    EXPECT_EQ(model.sentenceId[2], u"****\u4E00");
    EXPECT_EQ(model.sentenceId[3], u" -- undefined --");
}

TEST(SettingsRecord, EachMainFunctionBuildsItsOwnImage) {
    FormModel model;
    model.modbusBaudIndex = 2;
    model.modbusCells[2][0] = u"258"; // "Start Reg" of row 0
    model.address = u"1";
    model.serialNumber = u"12345678";
    model.mainFunction = MainFunction::ModbusToSdi12;
    BuildResult result = BuildImage(model);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.length, 80);
    EXPECT_EQ(result.image.bytes[34], 1);
    EXPECT_EQ(result.image.bytes[35], 2);
    EXPECT_EQ(result.image.bytes[76], 2);
    model.mainFunction = MainFunction::Sdi12ToRs232;
    result = BuildImage(model);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.length, 18);
    EXPECT_EQ(result.image.bytes[6], 2);
}

TEST(SettingsRecord, ValuesNotTakenKeepWhatTheFormHeld) {
    std::mt19937 random(7);
    ConfigImage image = randomNmeaImage(random);
    WriteI32(image.bytes.data() + 312, 0);
    FormModel model;
    model.converterStateFlags = 0x10;
    model.averagingBufferLength = 33;
    ApplyReply(model, RecogniseReply(image.bytes.data(), image.length, ReplyOrigin::File), ReplyOrigin::File);
    EXPECT_EQ(model.converterStateFlags, 0x10);
    EXPECT_EQ(model.averagingBufferLength, 33);
    EXPECT_EQ(model.averagingPeriod, ReadI32(image.bytes.data() + 294) * ReadI32(image.bytes.data() + 286));

    ReplyOutcome reply;
    reply.complete = true;
    DecodedModbusImage& modbus = reply.modbus.emplace();
    modbus.modbusBaudIndex = std::nullopt;
    modbus.firmwareVersion = "9.9";
    modbus.converterStateFlags = 3;
    ApplyReply(model, reply, ReplyOrigin::Port);
    EXPECT_EQ(model.modbusBaudIndex, 4);
    EXPECT_EQ(model.converterStateFlags, 3);
    EXPECT_EQ(model.firmwareVersion, "9.9");
    modbus.modbusBaudIndex = 5;
    modbus.firmwareVersion.reset();
    ApplyReply(model, reply, ReplyOrigin::Port);
    EXPECT_EQ(model.modbusBaudIndex, 5);
    EXPECT_EQ(model.firmwareVersion, "9.9");
}

} // namespace
} // namespace zor
