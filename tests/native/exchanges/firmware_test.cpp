// A firmware file chosen with "Open Config": the warning, the buttons disabled while it runs, the
// packets the converter takes, and how an update that goes wrong ends.

#include "platform/dialogs.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_paths.h"
#include "platform/headless/headless_port.h"
#include "platform/test_input.h"
#include "support/headless/machine.h"
#include "support/program_fixture.h"
#include "toolkit/decimal_text.h"

namespace zor {
namespace {

using namespace platform::headless;
using ExchangeTest = testing::ProgramTest;
using testing::click;
using testing::connectedTo;
using testing::converterOn;
using testing::lastBoxText;
using testing::pumpUntil;
using testing::textOf;
using Bytes = std::vector<std::uint8_t>;

const std::u16string firmwarePath = u"C:\\FIRMWARE\\zor410.binary";

Widget* const disabledSet[] = {&mainForm.commands.readButton,     &mainForm.commands.restartButton,
                               &mainForm.commands.testLedsButton, &mainForm.commands.saveButton,
                               &mainForm.commands.openButton,     &mainForm.commands.sendButton,
                               &mainForm.sentence.pickButton,     &mainForm.commPort.rescanButton};

bool allEnabled(bool enabled) {
    for (Widget* w : disabledSet)
        if (w->enabled != enabled) return false;
    return true;
}

class FirmwareFromOpenConfig : public ExchangeTest {
  protected:
    testing::ConverterDevice& connected() {
        testing::ConverterDevice& converter = converterOn(1);
        startProgram();
        EXPECT_TRUE(connectedTo(1));
        return converter;
    }
    void chooseFirmware(const Bytes& bytes, std::int32_t answer = platform::box::AnswerOk) {
        putFile(firmwarePath, bytes);
        platform::testing::answerNextBoxes({answer});
        answerNextFileDialog(firmwarePath);
        click(mainForm.commands.openButton);
    }
    // Until the update has ended one way or the other.
    bool ended() {
        return pumpUntil(
            [] {
                return allEnabled(true) &&
                       !isTimerRunning(mainForm.window.window, mainForm.window.timerArming);
            },
            60000);
    }
};

Bytes counting(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

TEST_F(FirmwareFromOpenConfig, FilesOf100And64BytesAreTakenWithTheirZeroFilledLastPacket) {
    for (const std::size_t size : {std::size_t{100}, std::size_t{64}}) {
        SCOPED_TRACE(size);
        TearDown();
        SetUp();
        testing::ConverterDevice& converter = connected();
        const Bytes file = counting(size);
        chooseFirmware(file);
        const ShownBox& warning = shownBoxes().back();
        EXPECT_EQ(warning.caption, u"Firmware Update Warning");
        EXPECT_EQ(warning.flags, platform::box::IconWarning | platform::box::OkCancel);
        EXPECT_EQ(warning.owner, mainForm.window.window);
        ASSERT_TRUE(pumpUntil([] { return allEnabled(false); }));
        EXPECT_EQ(textOf(mainForm.status.line), u"Initiating Firmware Update");
        ASSERT_TRUE(ended());
        EXPECT_EQ(converter.model.counters().firmwareUpdates, 1u);
        Bytes expected = file;
        expected.resize((size / 32 + 1) * 32, 0);
        EXPECT_EQ(converter.model.firmware(), expected);
        EXPECT_EQ(beeps().back(), std::make_pair(2000u, 300u));
    }
}

TEST_F(FirmwareFromOpenConfig, ARejectedPacketIsSentAgain) {
    testing::ConverterDevice& converter = connected();
    sim::Faults faults;
    faults.rejectEvery = 2;
    converter.model.setFaults(faults);
    const Bytes file = counting(100);
    chooseFirmware(file);
    ASSERT_TRUE(ended());
    EXPECT_GT(converter.model.counters().packetsRejected, 0u);
    EXPECT_EQ(converter.model.counters().firmwareUpdates, 1u);
    Bytes expected = file;
    expected.resize(128, 0);
    EXPECT_EQ(converter.model.firmware(), expected);
}

TEST_F(FirmwareFromOpenConfig, AConverterThatStopsAnsweringEndsTheUpdateWithTheButtonsBack) {
    struct Case {
        sim::Faults faults;
        const char16_t* status;
    };
    std::vector<Case> cases(3);
    cases[0].faults.acknowledgeOnly = 1;
    cases[0].status = u"Firmware Update Failed (no acknowledgement from converter)";
    cases[1].faults.noAckfw = true;
    cases[1].status = u"Firmware Update Failed (no reply from converter)";
    cases[2].faults.rejectEvery = 1;
    cases[2].status = u"Firmware Update Failed (packet 0 rejected 10 times)";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.status, c.status + std::char_traits<char16_t>::length(c.status)));
        TearDown();
        SetUp();
        testing::ConverterDevice& converter = connected();
        converter.model.setFaults(c.faults);
        chooseFirmware(counting(100));
        ASSERT_TRUE(pumpUntil([] { return allEnabled(false); }));
        ASSERT_TRUE(ended());
        EXPECT_EQ(textOf(mainForm.status.line), c.status);
        EXPECT_EQ(converter.model.counters().firmwareUpdates, 0u);
    }
}

TEST_F(FirmwareFromOpenConfig, CancelAndFilesThatDoNotFitSendNothing) {
    testing::ConverterDevice& converter = connected();
    chooseFirmware(counting(100), platform::box::AnswerCancel);
    testing::pumpFor(500);
    EXPECT_EQ(converter.model.counters().firmwareStarts, 0u);
    EXPECT_TRUE(allEnabled(true));

    // The refusal names the file's own size, however far past the limit it goes.
    for (const std::size_t size : {std::size_t{32769}, std::size_t{40000}}) {
        chooseFirmware(counting(size));
        EXPECT_EQ(lastBoxText(), u"The firmware file is too large (" +
                                     DecimalText(static_cast<std::int64_t>(size)) +
                                     u" bytes, at most 32768)");
    }
    chooseFirmware(Bytes{});
    EXPECT_EQ(lastBoxText(), u"The firmware file is empty");
    testing::pumpFor(500);
    EXPECT_EQ(converter.model.counters().firmwareStarts, 0u);
}

} // namespace
} // namespace zor
