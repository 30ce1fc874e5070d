// Finding the converter and reading its settings, as the user sees it: the port label, the "Rescan
// Ports" button, the status line and the form.

#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_port.h"
#include "support/headless/machine.h"
#include "support/program_fixture.h"
#include "toolkit/decimal_text.h"

namespace zor {
namespace {

using ExchangeTest = testing::ProgramTest;
using testing::click;
using testing::connectedTo;
using testing::converterOn;
using testing::portOpen;
using testing::pumpFor;
using testing::pumpUntil;
using testing::sendSettings;
using testing::statusBecomes;
using testing::textOf;
using Bytes = std::vector<std::uint8_t>;

bool mainJobPending() {
    return platform::headless::isTimerRunning(mainForm.window.window, mainForm.window.timerArming);
}

bool scanIdle() {
    return mainForm.commPort.rescanButton.tag == 0;
}

TEST_F(ExchangeTest, ScanWithoutPortsTriesEveryNumberAndEndsIdle) {
    startProgram();
    EXPECT_EQ(textOf(mainForm.commPort.rescanButton), u"Stop Scanning");
    ASSERT_TRUE(pumpUntil(scanIdle, 30000));
    EXPECT_EQ(textOf(mainForm.commPort.portLabel), u"---");
    EXPECT_EQ(textOf(mainForm.status.line), u"No converter found (COM0 to COM200)");
    EXPECT_EQ(textOf(mainForm.commPort.rescanButton), u"Rescan Ports");
    EXPECT_FALSE(mainJobPending());
}

// A port that opens on the last number but stays silent ends the scan there, said the same way.
TEST_F(ExchangeTest, SilentConverterOnTheLastNumberEndsTheScanWithoutOne) {
    sim::Faults silent;
    silent.silent = true;
    converterOn(200).model.setFaults(silent);
    startProgram();
    ASSERT_TRUE(pumpUntil(scanIdle, 30000));
    EXPECT_EQ(textOf(mainForm.commPort.portLabel), u"---");
    EXPECT_EQ(textOf(mainForm.status.line), u"No converter found (COM0 to COM200)");
    EXPECT_FALSE(mainJobPending());
}

// A converter whose requests are stamped with the virtual time they reach it.
class StampedConverter final : public platform::headless::SerialDevice {
  public:
    testing::ConverterDevice device;
    std::vector<std::uint64_t> writtenAt;

    explicit StampedConverter(std::int32_t number) {
        platform::headless::attachSerialDevice("\\\\.\\COM" + std::to_string(number), *this);
    }
    void written(const std::uint8_t* bytes, std::size_t count, std::uint64_t atMs) override {
        writtenAt.push_back(atMs);
        device.written(bytes, count, atMs);
    }
    std::optional<std::uint64_t> nextByteTime() override { return device.nextByteTime(); }
    std::uint8_t takeByte() override { return device.takeByte(); }
    void purgeArrived(std::uint64_t atMs) override { device.purgeArrived(atMs); }
};

// Numbers where no port opens are passed within the step; only a port that opened is followed by the
// 50 ms step. Silent ports on COM3 and COM4, one on COM10 that opens but cannot be set up, the converter
// on COM20: from one query to the next the scan takes the reply wait, the read and one step, whether
// the numbers between have ports or not, plus one step for COM10.
TEST_F(ExchangeTest, NumbersWithoutAPortArePassedWithinTheStep) {
    sim::Faults silent;
    silent.silent = true;
    StampedConverter com3(3), com4(4), com20(20);
    com3.device.model.setFaults(silent);
    com4.device.model.setFaults(silent);
    converterOn(10).model.setFaults(silent);
    platform::headless::SerialPortFaults noSetup;
    noSetup.applySettingsError = 31;
    platform::headless::setSerialPortFaults("\\\\.\\COM10", noSetup);
    const std::uint64_t startedAt = platform::headless::now();
    startProgram();
    ASSERT_TRUE(connectedTo(20));
    ASSERT_EQ(com3.writtenAt.size(), 1u);
    ASSERT_EQ(com4.writtenAt.size(), 1u);
    ASSERT_EQ(com20.writtenAt.size(), 1u);
    EXPECT_EQ(com20.device.model.counters().queries, 1u);
    // COM0 to COM2 cost no step: COM3 is asked on the first one.
    EXPECT_LE(com3.writtenAt[0] - startedAt, 2u * 50u);
    const std::uint64_t portToPort = com4.writtenAt[0] - com3.writtenAt[0];
    EXPECT_GE(portToPort, 200u + 200u + 50u);
    EXPECT_EQ(com20.writtenAt[0] - com4.writtenAt[0], portToPort + 50u);
}

TEST_F(ExchangeTest, ConverterOnTheLastNumberIsStillFound) {
    converterOn(200);
    startProgram();
    EXPECT_TRUE(connectedTo(200));
}

TEST_F(ExchangeTest, LowestPortIsFoundFirstAndItsSettingsFillTheForm) {
    testing::ConverterDevice& first = converterOn(2);
    testing::ConverterDevice& later = converterOn(5);
    startProgram();
    ASSERT_TRUE(connectedTo(2));
    EXPECT_EQ(textOf(mainForm.status.line), u"326 bytes received OK");
    EXPECT_EQ(first.model.counters().queries, 1u);
    EXPECT_EQ(later.model.counters().queries, 0u);
    EXPECT_TRUE(portOpen(2));
    EXPECT_FALSE(mainJobPending());
    EXPECT_EQ(textOf(mainForm.identity.addressField), u"0");
    EXPECT_EQ(textOf(mainForm.identity.serialNumberField), u"ZS410001");
    EXPECT_EQ(textOf(mainForm.sentence.sentenceIdField), u"GPGGA");
    EXPECT_EQ(textOf(mainForm.converterState.group), u"Converter State:  Firmware Version 1.7");
    EXPECT_TRUE(mainForm.mainFunction.nmeaRadio.checked);
    const auto& beeps = platform::headless::beeps();
    ASSERT_FALSE(beeps.empty());
    EXPECT_EQ(beeps.back(), std::make_pair(2000u, 100u));
}

TEST_F(ExchangeTest, StoppingWhileAReplyIsAwaitedKeepsThatPortOpen) {
    sim::Faults silent;
    silent.silent = true;
    converterOn(1).model.setFaults(silent);
    startProgram();
    ASSERT_TRUE(pumpUntil([] { return textOf(mainForm.commPort.portLabel) == u"COM1"; }));
    click(mainForm.commPort.rescanButton);
    EXPECT_TRUE(scanIdle());
    EXPECT_EQ(textOf(mainForm.commPort.rescanButton), u"Rescan Ports");
    EXPECT_EQ(textOf(mainForm.commPort.portLabel), u"---");
    EXPECT_FALSE(mainJobPending());
    pumpFor(1000);
    EXPECT_EQ(textOf(mainForm.commPort.portLabel), u"---");
    EXPECT_TRUE(portOpen(1));
}

// The usual on-board port: it opens, takes the query and never answers. It is asked once, closed, and
// the scan goes on to the converter behind it.
TEST_F(ExchangeTest, APortThatNeverAnswersIsAskedOnceAndPassed) {
    sim::Faults silent;
    silent.silent = true;
    testing::ConverterDevice& onBoard = converterOn(1);
    onBoard.model.setFaults(silent);
    testing::ConverterDevice& converter = converterOn(3);
    startProgram();
    ASSERT_TRUE(connectedTo(3));
    EXPECT_EQ(onBoard.model.counters().queries, 1u);
    EXPECT_FALSE(portOpen(1));
    EXPECT_EQ(converter.model.counters().queries, 1u);
}

TEST_F(ExchangeTest, RescanWhileConnectedClosesThePortBeforeTryingAgain) {
    testing::ConverterDevice& converter = converterOn(3);
    startProgram();
    ASSERT_TRUE(connectedTo(3));
    click(mainForm.commPort.rescanButton);
    // A port still held would refuse the scan's open (no sharing): found again, it was closed first.
    EXPECT_EQ(textOf(mainForm.commPort.rescanButton), u"Stop Scanning");
    ASSERT_TRUE(connectedTo(3));
    EXPECT_EQ(converter.model.counters().queries, 2u);
}

TEST_F(ExchangeTest, ReadSettingsAppliesTheReplyOfEachMainFunction) {
    testing::ConverterDevice& converter = converterOn(4);
    startProgram();
    ASSERT_TRUE(connectedTo(4));
    // A reply shows register set 0 again, whichever set was shown.
    click(mainForm.registerSets.setRadio[5]);
    click(mainForm.commands.readButton);
    ASSERT_TRUE(statusBecomes(u"326 bytes received OK"));
    EXPECT_EQ(textOf(mainForm.sentence.sentenceIdField), u"GPGGA");

    converter.model.setFunction(sim::Function::Modbus);
    click(mainForm.commands.readButton);
    ASSERT_TRUE(statusBecomes(u"87 bytes received OK"));
    EXPECT_TRUE(mainForm.mainFunction.modbusRadio.checked);
    EXPECT_FALSE(mainForm.mainFunction.nmeaRadio.checked);
    const Bytes& modbus = converter.model.image(sim::Function::Modbus);
    EXPECT_EQ(textOf(mainForm.registerSets.address[0]), DecimalText(modbus[14]));
    EXPECT_EQ(textOf(mainForm.registerSets.startReg[0]), DecimalText(modbus[34] * 256 + modbus[35]));
    EXPECT_EQ(textOf(mainForm.modbusSerial.timeoutField), DecimalText(modbus[74] * 256 + modbus[75]));
    EXPECT_TRUE(mainForm.modbusSerial.baudRadio[modbus[76] - 1].checked);

    // The converter's "SDI12 to RS232" reply carries its address, baud and serial number.
    converter.model.setFunction(sim::Function::Serial);
    const Bytes& serial = converter.model.image(sim::Function::Serial);
    testing::enterText(mainForm.identity.addressField, u"7");
    testing::enterText(mainForm.identity.serialNumberField, u"XX000000");
    click(mainForm.modbusSerial.baudRadio[serial[6] % 5]); // another baud than the converter's
    click(mainForm.commands.readButton);
    ASSERT_TRUE(statusBecomes(u"18 bytes received OK"));
    EXPECT_TRUE(mainForm.mainFunction.serialRadio.checked);
    EXPECT_FALSE(mainForm.mainFunction.modbusRadio.checked);
    EXPECT_EQ(textOf(mainForm.identity.addressField), std::u16string(1, serial[5]));
    EXPECT_EQ(textOf(mainForm.identity.serialNumberField),
              std::u16string(serial.begin() + 7, serial.begin() + 15));
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(mainForm.modbusSerial.baudRadio[i].checked, i + 1 == serial[6]) << i;
    EXPECT_EQ(converter.model.counters().queries, 4u);
}

// A converter busy for a moment starts its reply late, or pauses in it; the reply is read on to its
// trailer, nothing sent meanwhile, for about a second after the query.
TEST_F(ExchangeTest, AReplyStartingLateOrPausingIsReadToItsEnd) {
    testing::ConverterDevice& converter = converterOn(1);
    startProgram();
    ASSERT_TRUE(connectedTo(1));
    const struct {
        std::uint32_t delayMs;
        std::uint32_t splitAfter;
        std::uint32_t pauseMs;
    } cases[] = {{20, 0, 0}, {100, 0, 0}, {150, 0, 0}, {250, 0, 0}, {300, 0, 0}, {20, 40, 400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "delay " << c.delayMs << " ms, pause " << c.pauseMs << " ms");
        sim::Timing timing;
        timing.replyDelayMs = c.delayMs;
        converter.model.setTiming(timing);
        sim::Faults faults;
        faults.splitAfter = c.splitAfter;
        faults.splitPauseMs = c.pauseMs;
        converter.model.setFaults(faults);
        const std::uint32_t queries = converter.model.counters().queries;
        const std::uint32_t unknown = converter.model.counters().unknownBytes;
        click(mainForm.commands.readButton);
        EXPECT_TRUE(statusBecomes(u"326 bytes received OK"));
        EXPECT_EQ(converter.model.counters().queries, queries + 1);
        EXPECT_EQ(converter.model.counters().unknownBytes, unknown);
        EXPECT_FALSE(mainJobPending());
        pumpFor(500);
    }
}

TEST_F(ExchangeTest, AReplySplitByAPauseIsIncompleteAndOneBehindNoiseIsRead) {
    testing::ConverterDevice& converter = converterOn(1);
    startProgram();
    ASSERT_TRUE(connectedTo(1));
    converter.model.setFunction(sim::Function::Modbus);

    // A pause longer than the reply is read on for.
    sim::Faults split;
    split.splitAfter = 40;
    split.splitPauseMs = 1300;
    converter.model.setFaults(split);
    const std::u16string title = textOf(mainForm.converterState.group);
    click(mainForm.commands.readButton);
    ASSERT_TRUE(statusBecomes(u"40 bytes read ZOR-MX-410 detected (read error)"));
    // Nothing of the cut reply is applied: a following "Send Settings" sends what the form showed, the
    // settings the start-up read found.
    EXPECT_TRUE(mainForm.mainFunction.nmeaRadio.checked);
    EXPECT_EQ(textOf(mainForm.registerSets.address[0]), u"");
    EXPECT_EQ(textOf(mainForm.identity.serialNumberField), u"ZS410001");
    EXPECT_EQ(textOf(mainForm.converterState.group), title);
    const Bytes shown = converter.model.image(sim::Function::Nmea);
    // "Send Settings" asks the converter who it is first: it answers whole again, once the rest of the
    // cut reply has passed.
    converter.model.setFaults(sim::Faults{});
    pumpFor(1500);
    sendSettings();
    ASSERT_TRUE(statusBecomes(u"326 bytes written"));
    EXPECT_EQ(converter.model.counters().imagesAccepted, 1u);
    const Bytes sent = converter.model.image(sim::Function::Nmea);
    // Up to the converter's own state word and firmware version, which it keeps.
    EXPECT_EQ(Bytes(sent.begin(), sent.begin() + 316), Bytes(shown.begin(), shown.begin() + 316));
    converter.model.setFunction(sim::Function::Modbus);
    pumpFor(1000);

    sim::Faults noise;
    noise.noiseBeforeTag = 30;
    converter.model.setFaults(noise);
    click(mainForm.commands.readButton);
    // The rest of the cut reply, queued meanwhile, does not stand in front of the new one.
    EXPECT_TRUE(statusBecomes(u"117 bytes received OK"));
    EXPECT_TRUE(mainForm.mainFunction.modbusRadio.checked);
}

// With no converter found and no scan running, the click says what to do rather than nothing.
TEST_F(ExchangeTest, ReadSettingsWithoutAPortSaysSo) {
    startProgram();
    ASSERT_TRUE(pumpUntil(scanIdle, 30000));
    click(mainForm.commands.readButton);
    pumpFor(500);
    EXPECT_EQ(textOf(mainForm.status.line), u"No converter connected: Rescan Ports");
}

} // namespace
} // namespace zor
