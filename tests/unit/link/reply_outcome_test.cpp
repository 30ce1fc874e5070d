#include "image/config_file.h"
#include "image/image_build.h"
#include "link/detection_status.h"
#include "link/reply_outcome.h"
#include "toolkit/decimal_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace zor {
namespace {

// The receive buffer: exactly 8192 bytes on the heap, so that the sanitizer sees any read past it.
struct ReceiveBuffer {
    std::unique_ptr<std::uint8_t[]> bytes = std::make_unique<std::uint8_t[]>(receiveBufferSize);

    std::int32_t put(std::int32_t at, const void* data, std::int32_t length) {
        std::memcpy(bytes.get() + at, data, static_cast<std::size_t>(length));
        return at + length;
    }
    std::int32_t put(std::int32_t at, const ConfigImage& image) {
        return put(at, image.bytes.data(), image.length);
    }
};

ConfigImage nmeaImage() {
    NmeaSettings settings;
    settings.firmwareVersion = "1.0";
    return BuildNmeaImage({u"1", u"12345678"}, settings).image;
}

TEST(ConverterDetection, FindsTheFirstTagInTheSearchOrderWhereverItStands) {
    ReceiveBuffer buffer;
    std::int32_t end = buffer.put(0, "noise~ZOR3..~ZOR2..~ZOR1", 24);
    TagSearch found = FindReplyTag(buffer.bytes.get(), end);
    EXPECT_EQ(found.function, MainFunction::NmeaToSdi12);
    EXPECT_EQ(found.position, 19);
    buffer.put(19, "~ZOX1", 5);
    found = FindReplyTag(buffer.bytes.get(), end);
    EXPECT_EQ(found.function, MainFunction::ModbusToSdi12);
    EXPECT_EQ(found.position, 12);

    // The buffer is a zero-terminated string: a tag behind a zero byte is not seen.
    buffer.put(0, "\0", 1);
    EXPECT_FALSE(FindReplyTag(buffer.bytes.get(), end).function);
    // Nor is one beyond the count read, nor one cut by it.
    buffer.put(0, "~ZOR1", 5);
    EXPECT_FALSE(FindReplyTag(buffer.bytes.get(), 4).function);
    EXPECT_EQ(FindReplyTag(buffer.bytes.get(), 5).function, MainFunction::NmeaToSdi12);
    EXPECT_FALSE(FindReplyTag(buffer.bytes.get(), 0).function);
    EXPECT_FALSE(FindReplyTag(nullptr, 10).function);
}

TEST(ConverterDetection, AFullBufferWithoutAZeroIsSearchedOnlyToItsEnd) {
    ReceiveBuffer buffer;
    std::memset(buffer.bytes.get(), 'x', receiveBufferSize);
    buffer.put(receiveBufferSize - 5, "~ZOR3", 5);
    const TagSearch found = FindReplyTag(buffer.bytes.get(), receiveBufferSize + 100);
    EXPECT_EQ(found.function, MainFunction::Sdi12ToRs232);
    const ReplyOutcome outcome = RecogniseReply(buffer.bytes.get(), receiveBufferSize, ReplyOrigin::Port);
    EXPECT_EQ(outcome.detection, Detection::Overflow);
    EXPECT_EQ(outcome.status, u"Serial Rx Buffer Overflow");
}

TEST(ConverterDetection, TagsTooFarIntoTheBufferAreRefused) {
    struct Case {
        const char* tag;
        std::int32_t lastAccepted;
    };
    for (const Case c : {Case{"~ZOR1", 7792}, Case{"~ZOR2", 8192 - 87}, Case{"~ZOR3", 8192 - 18}}) {
        for (const std::int32_t at : {c.lastAccepted, c.lastAccepted + 1}) {
            ReceiveBuffer buffer;
            std::memset(buffer.bytes.get(), ' ', receiveBufferSize);
            buffer.put(at, c.tag, 5);
            const ReplyOutcome outcome =
                RecogniseReply(buffer.bytes.get(), receiveBufferSize, ReplyOrigin::Port);
            if (at == c.lastAccepted) {
                EXPECT_EQ(outcome.detection, Detection::Detected) << c.tag;
                EXPECT_EQ(outcome.status, u"8192 bytes read ZOR-MX-410 detected (read error)");
            } else {
                EXPECT_EQ(outcome.detection, Detection::Overflow) << c.tag;
                EXPECT_EQ(outcome.status, u"Serial Rx Buffer Overflow");
                EXPECT_FALSE(outcome.nmea || outcome.modbus || outcome.serial);
            }
        }
    }
}

TEST(ReplyOutcome, ACompleteNmeaReplyIsAppliedAndSwitchesTheForm) {
    ReceiveBuffer buffer;
    const std::int32_t end = buffer.put(buffer.put(0, "xy", 2), nmeaImage());
    const ReplyOutcome outcome = RecogniseReply(buffer.bytes.get(), end, ReplyOrigin::Port);
    EXPECT_EQ(outcome.detection, Detection::Detected);
    EXPECT_EQ(outcome.found.position, 2);
    EXPECT_TRUE(outcome.complete);
    EXPECT_TRUE(outcome.beep);
    EXPECT_TRUE(outcome.showRegisterSet0);
    EXPECT_EQ(outcome.switchTo, MainFunction::NmeaToSdi12);
    EXPECT_EQ(outcome.status, u"328 bytes received OK");
    EXPECT_EQ(outcome.converterStateTitle, u"Converter State:  Firmware Version 1.0");
    ASSERT_TRUE(outcome.nmea.has_value());
    EXPECT_EQ(outcome.nmea->serialNumber, u"12345678");
}

TEST(ReplyOutcome, IncompleteRepliesApplyNothing) {
    ReceiveBuffer buffer;
    // Only the tag: a detection whose trailer is missing.
    std::int32_t end = buffer.put(0, "~ZOR2", 5);
    ReplyOutcome outcome = RecogniseReply(buffer.bytes.get(), end, ReplyOrigin::Port);
    EXPECT_EQ(outcome.detection, Detection::Detected);
    EXPECT_FALSE(outcome.complete);
    EXPECT_FALSE(outcome.beep);
    EXPECT_FALSE(outcome.switchTo.has_value());
    EXPECT_EQ(outcome.status, u"5 bytes read ZOR-MX-410 detected (read error)");
    EXPECT_FALSE(outcome.converterStateTitle.has_value());
    EXPECT_FALSE(outcome.modbus.has_value());

    // A reply of each main function cut by a pause: the first burst only.
    const BuildResult serial = BuildSerialImage({u"4", u"12345678"}, 1);
    for (const ConfigImage& image : {nmeaImage(), serial.image}) {
        end = buffer.put(0, image.bytes.data(), image.length - 1);
        outcome = RecogniseReply(buffer.bytes.get(), end, ReplyOrigin::Port);
        EXPECT_EQ(outcome.detection, Detection::Detected);
        EXPECT_FALSE(outcome.complete);
        EXPECT_FALSE(outcome.showRegisterSet0);
        EXPECT_FALSE(outcome.nmea || outcome.modbus || outcome.serial || outcome.converterStateTitle);
        EXPECT_EQ(outcome.status, DecimalText(end) + u" bytes read ZOR-MX-410 detected (read error)");
    }
}

TEST(ReplyOutcome, NoTagIsNotDetected) {
    ReceiveBuffer buffer;
    const std::int32_t end = buffer.put(0, "$GPGGA,1,2*00\r\n", 15);
    const ReplyOutcome outcome = RecogniseReply(buffer.bytes.get(), end, ReplyOrigin::Port);
    EXPECT_EQ(outcome.detection, Detection::NotDetected);
    EXPECT_EQ(outcome.status, u"15 bytes read (ZOR-MX-410 not detected)");
    EXPECT_EQ(RecogniseReply(buffer.bytes.get(), 0, ReplyOrigin::Port).status,
              u"0 bytes read (ZOR-MX-410 not detected)");
}

TEST(ReplyOutcome, ASerialReplyFillsTheFormAndSwitchesIt) {
    ReceiveBuffer buffer;
    const BuildResult serial = BuildSerialImage({u"4", u"12345678"}, 1);
    const std::int32_t end = buffer.put(0, serial.image);
    ReplyOutcome outcome = RecogniseReply(buffer.bytes.get(), end, ReplyOrigin::Port);
    EXPECT_TRUE(outcome.complete);
    EXPECT_TRUE(outcome.beep);
    EXPECT_TRUE(outcome.showRegisterSet0);
    EXPECT_EQ(outcome.switchTo, MainFunction::Sdi12ToRs232);
    EXPECT_EQ(outcome.status, u"18 bytes received OK");
    ASSERT_TRUE(outcome.serial.has_value());
    EXPECT_EQ(outcome.serial->address, u"4");
    EXPECT_EQ(outcome.serial->serialNumber, u"12345678");
    EXPECT_EQ(outcome.serial->modbusBaudIndex, 1);

    outcome = RecogniseReply(buffer.bytes.get(), end, ReplyOrigin::File);
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.switchTo, MainFunction::Sdi12ToRs232);
    EXPECT_FALSE(outcome.serial->serialNumber.has_value()); // never from a file
}

TEST(ConfigFile, SavedImagesOfEveryMainFunctionOpenComplete) {
    ModbusTableTexts table;
    NmeaSettings settings;
    const IdentityFields identity{u"2", u"87654321"};
    const BuildResult saved[] = {BuildNmeaImage(identity, settings), BuildModbusImage(identity, table, 4),
                                 BuildSerialImage(identity, 4)};
    const MainFunction functions[] = {MainFunction::NmeaToSdi12, MainFunction::ModbusToSdi12,
                                      MainFunction::Sdi12ToRs232};
    const bool showsRegisterSet0[] = {true, false, true}; // the Modbus table has no register set to show
    for (std::int32_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(saved[i].ok);
        // The buffer still holds a complete, different reply from an earlier read.
        ReceiveBuffer buffer;
        buffer.put(0, nmeaImage());
        buffer.put(0, saved[i].image);
        const ReplyOutcome outcome =
            RecogniseReply(buffer.bytes.get(), saved[i].image.length, ReplyOrigin::File);
        EXPECT_TRUE(outcome.complete) << i;
        EXPECT_EQ(outcome.switchTo, functions[i]);
        EXPECT_EQ(outcome.showRegisterSet0, showsRegisterSet0[i]) << i;
        EXPECT_EQ(outcome.status, DecimalText(saved[i].image.length) + u" bytes received OK");
        if (outcome.nmea) {
            EXPECT_FALSE(outcome.nmea->serialNumber.has_value());
            EXPECT_FALSE(outcome.nmea->converterStateFlags.has_value());
        }
        if (outcome.modbus) {
            EXPECT_FALSE(outcome.modbus->serialNumber.has_value());
            EXPECT_FALSE(outcome.converterStateTitle.has_value()); // no version in a saved file
        }
        // A truncated file is never completed by what the buffer held before.
        const ReplyOutcome cut =
            RecogniseReply(buffer.bytes.get(), saved[i].image.length - 1, ReplyOrigin::File);
        EXPECT_FALSE(cut.complete) << i;
    }
}

TEST(ConfigFile, FirmwarePathsAndTexts) {
    EXPECT_TRUE(IsFirmwarePath(u"C:\\fw\\zor.binary"));
    EXPECT_TRUE(IsFirmwarePath(u"C:\\FW\\ZOR.BINARY"));
    EXPECT_TRUE(IsFirmwarePath(u"C:\\x.Binary.cfg")); // anywhere in the path
    EXPECT_FALSE(IsFirmwarePath(u"C:\\fw\\zor.bin"));
    EXPECT_FALSE(IsFirmwarePath(u"C:\\binary\\zor.cfg"));
    EXPECT_FALSE(IsFirmwarePath(nullptr));
    EXPECT_EQ(TemporarySavePath(u"C:\\a\\b.cfg"), u"C:\\a\\b.cfg.tmp");
    EXPECT_EQ(BytesWrittenText(18), u"18 bytes written");
    EXPECT_EQ(SerialWriteFailedText(6), u"Error 6 (serial write failed)");
    EXPECT_EQ(FileReadErrorText(5), u"File Read Error 5");
    EXPECT_EQ(BytesSentText(5), u"5 bytes sent");
    EXPECT_EQ(GetCommStateFailedText(-1), u"Error -1 (GetCommState() failed)");
}

} // namespace
} // namespace zor
