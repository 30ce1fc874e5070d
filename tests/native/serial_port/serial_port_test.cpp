// The headless ports and files behave as the program's port code expects of Windows: the open flags'
// refusals, the line set up with four fields changed, reads bounded by the time-outs on the virtual
// clock, purges, and files that can be replaced without losing what was there.
#include "link/converter_port.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_port.h"
#include "platform/port.h"
#include "support/converter_device.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor {
namespace {

using namespace platform;
using Bytes = std::vector<std::uint8_t>;

class HeadlessPort : public ::testing::Test {
  protected:
    void SetUp() override {
        headless::reset();
        headless::resetPorts();
        headless::attachSerialDevice(ConverterPortName(3), converter);
    }
    void TearDown() override { headless::resetPorts(); }

    PortHandle openConverter() {
        const PortOpenResult opened = OpenConverterPort(3);
        EXPECT_TRUE(opened.ok()) << opened.error;
        EXPECT_TRUE(SetConverterLine(opened.handle).applied.ok());
        EXPECT_TRUE(SetConverterTimeouts(opened.handle).ok());
        return opened.handle;
    }

    PortResult writeText(PortHandle port, const std::string& text) {
        return writePort(port, reinterpret_cast<const std::uint8_t*>(text.data()),
                         static_cast<std::uint32_t>(text.size()));
    }

    testing::ConverterDevice converter;
    std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(8192, 0);
};

TEST_F(HeadlessPort, OpenRefusalsAndInvalidHandles) {
    EXPECT_EQ(ConverterPortName(0), "\\\\.\\COM0");
    EXPECT_EQ(ConverterPortName(200), "\\\\.\\COM200");

    const PortOpenResult missing = OpenConverterPort(4);
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.error, error::FileNotFound);
    EXPECT_EQ(missing.handle, invalidPortHandle);

    PortHandle port = openConverter();
    const PortOpenResult again = openPort("\\\\.\\com3"); // names are case-insensitive; no sharing
    EXPECT_EQ(again.error, error::AccessDenied);

    // A handle kept after closing is refused like an invalid one, never used.
    PortHandle stale = port;
    EXPECT_TRUE(closePort(port).ok());
    EXPECT_EQ(port, invalidPortHandle);
    EXPECT_FALSE(headless::isPortOpen(ConverterPortName(3)));
    const std::uint8_t query[] = {'~', 'Z', 'O', 'R', '0'};
    for (PortHandle h : {invalidPortHandle, stale}) {
        const PortResult written = writePort(h, query, 5);
        EXPECT_EQ(written.error, error::InvalidHandle);
        EXPECT_EQ(written.count, 0u);
        EXPECT_EQ(readPort(h, buffer.data(), 10).error, error::InvalidHandle);
        EXPECT_EQ(purgeReceive(h).error, error::InvalidHandle);
        EXPECT_EQ(readCommSettings(h).error, error::InvalidHandle);
    }
    EXPECT_EQ(closePort(stale).error, error::InvalidHandle);
    EXPECT_EQ(converter.model.counters().queries, 0u);
    // Reopened after closing.
    port = openConverter();
    EXPECT_TRUE(closePort(port).ok());
}

TEST_F(HeadlessPort, LineSetupChangesFourFieldsAndKeepsTheRest) {
    CommSettings reported;
    reported.baudRate = 115200;
    reported.byteSize = 7;
    reported.parity = 2;
    reported.stopBits = 2;
    for (std::size_t i = 0; i < reported.reported.size(); ++i)
        reported.reported[i] = static_cast<std::uint8_t>(i * 7 + 1);
    headless::setReportedSettings(ConverterPortName(3), reported);

    PortHandle port = openConverter();
    const auto line = headless::currentSettings(ConverterPortName(3));
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->baudRate, 9600u);
    EXPECT_EQ(line->byteSize, 8);
    EXPECT_EQ(line->parity, 0);
    EXPECT_EQ(line->stopBits, 0);
    EXPECT_EQ(line->reported, reported.reported);
    const auto timeouts = headless::currentTimeouts(ConverterPortName(3));
    ASSERT_TRUE(timeouts.has_value());
    EXPECT_EQ(timeouts->readInterval, 200u);
    EXPECT_EQ(timeouts->readTotalMultiplier, 0u);
    EXPECT_EQ(timeouts->readTotalConstant, 200u);
    EXPECT_EQ(timeouts->writeTotalMultiplier, 100u);
    EXPECT_EQ(timeouts->writeTotalConstant, 100u);
    closePort(port);

    // A port whose settings cannot be read is still set up; one that refuses them is reported.
    headless::SerialPortFaults faults;
    faults.readSettingsError = 31;
    headless::setSerialPortFaults(ConverterPortName(3), faults);
    port = OpenConverterPort(3).handle;
    LineSetup setup = SetConverterLine(port);
    EXPECT_EQ(setup.readSettingsError, 31u);
    EXPECT_TRUE(setup.applied.ok());
    closePort(port);
    faults = {};
    faults.applySettingsError = 87;
    headless::setSerialPortFaults(ConverterPortName(3), faults);
    port = OpenConverterPort(3).handle;
    setup = SetConverterLine(port);
    EXPECT_EQ(setup.readSettingsError, 0u);
    EXPECT_EQ(setup.applied.error, 87u);
    closePort(port);
}

TEST_F(HeadlessPort, QueryAndCompleteReplyWithinTheTimeouts) {
    PortHandle port = openConverter();
    const std::uint64_t start = headless::now();
    const PortResult written = writeText(port, "~ZOR0");
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.count, 5u);
    headless::advanceClock(200); // the reply job runs 200 ms after the query
    const PortResult read = readPort(port, buffer.data(), 8192);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.count, 326u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 5), "~ZOR1");
    EXPECT_EQ(std::string(buffer.begin() + 323, buffer.begin() + 326), "END");
    // Not all of it had arrived when the read began, so it waited the total time-out.
    EXPECT_EQ(headless::now(), start + 400);
    closePort(port);
}

TEST_F(HeadlessPort, ReadStopsAtAGapAtTheTotalTimeoutOrWhenFull) {
    sim::Faults faults;
    faults.splitAfter = 100;
    faults.splitPauseMs = 300;
    converter.model.setFaults(faults);
    PortHandle port = openConverter();
    writeText(port, "~ZOR0");
    headless::advanceClock(50);
    PortResult read = readPort(port, buffer.data(), 8192);
    EXPECT_EQ(read.count, 100u);      // up to the gap
    EXPECT_EQ(headless::now(), 250u); // the total time-out ended it, 200 ms after it began
    // The rest comes after the pause; at 9600 baud it takes longer than one read may wait.
    std::uint32_t rest = 0;
    for (int i = 0; i < 3; ++i)
        rest += readPort(port, buffer.data(), 8192).count;
    EXPECT_EQ(rest, 226u);

    // Nothing at all: the read returns empty after the total time-out.
    const std::uint64_t before = headless::now();
    read = readPort(port, buffer.data(), 8192);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.count, 0u);
    EXPECT_EQ(headless::now(), before + 200);

    // A read asking for fewer bytes than have arrived returns at once with just those.
    converter.model.setFaults({});
    writeText(port, "~ZOR0");
    headless::advanceClock(1000);
    const std::uint64_t full = headless::now();
    read = readPort(port, buffer.data(), 1);
    EXPECT_EQ(read.count, 1u);
    EXPECT_EQ(buffer[0], '~');
    EXPECT_EQ(headless::now(), full);
    closePort(port);
}

TEST_F(HeadlessPort, PurgeThrowsAwayWhatArrivedAndStreamingFollowsCommands) {
    PortHandle port = openConverter();
    writeText(port, "~ZOR0");
    headless::advanceClock(1000);
    ASSERT_TRUE(purgeReceive(port).ok());
    EXPECT_EQ(readPort(port, buffer.data(), 8192).count, 0u);

    writeText(port, "s");
    headless::advanceClock(500);
    PortResult read = readPort(port, buffer.data(), 8192);
    ASSERT_GT(read.count, 5u);
    EXPECT_EQ(buffer[0], '$');
    writeText(port, "x");
    headless::advanceClock(500);
    purgeReceive(port);
    headless::advanceClock(500);
    EXPECT_EQ(readPort(port, buffer.data(), 8192).count, 0u);
    closePort(port);
}

TEST_F(HeadlessPort, PortFaultsReportTheirCodes) {
    headless::SerialPortFaults faults;
    faults.writeError = 1117;
    faults.readError = 995;
    headless::setSerialPortFaults(ConverterPortName(3), faults);
    PortHandle port = OpenConverterPort(3).handle;
    const PortResult written = writeText(port, "~ZOR0");
    EXPECT_EQ(written.error, 1117u);
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(readPort(port, buffer.data(), 10).error, 995u);
    EXPECT_EQ(converter.model.counters().queries, 0u);
    closePort(port);
    faults = {};
    faults.openError = error::AccessDenied;
    headless::setSerialPortFaults(ConverterPortName(3), faults);
    EXPECT_EQ(OpenConverterPort(3).error, error::AccessDenied);
}

TEST(HeadlessPortDevice, ADeviceThatGoesAwayLeavesASilentPortBehind) {
    headless::reset();
    headless::resetPorts();
    PortHandle port = invalidPortHandle;
    {
        testing::ConverterDevice device;
        headless::attachSerialDevice(ConverterPortName(5), device);
        port = OpenConverterPort(5).handle;
        SetConverterTimeouts(port);
    }
    const std::uint8_t query[] = {'~', 'Z', 'O', 'R', '0'};
    EXPECT_TRUE(writePort(port, query, 5).ok());
    std::uint8_t buffer[64];
    EXPECT_EQ(readPort(port, buffer, sizeof buffer).count, 0u);
    EXPECT_EQ(headless::now(), 200u);
    closePort(port);
    EXPECT_EQ(OpenConverterPort(5).error, error::FileNotFound);
    headless::resetPorts();
}

class HeadlessFile : public ::testing::Test {
  protected:
    void SetUp() override { headless::resetPorts(); }
    void TearDown() override { headless::resetPorts(); }
};

TEST_F(HeadlessFile, WriteReadAndRefusals) {
    PortOpenResult created = createFile(u"C:\\cfg\\Plant.cfg");
    ASSERT_TRUE(created.ok());
    const Bytes image = {'~', 'Z', 'O', 'R', '3', 'a', 4, 'E', 'N', 'D'};
    EXPECT_EQ(writePort(created.handle, image.data(), 10).count, 10u);
    // Not shared while open.
    EXPECT_EQ(openFile(u"c:/CFG/plant.cfg", FileAccess::Read).error, error::SharingViolation);
    EXPECT_EQ(readCommSettings(created.handle).error, error::NotSupported);
    EXPECT_EQ(purgeReceive(created.handle).error, error::NotSupported);
    closePort(created.handle);

    PortOpenResult opened = openFile(u"c:/CFG/plant.cfg", FileAccess::Read);
    ASSERT_TRUE(opened.ok());
    std::uint8_t buffer[8192];
    PortResult read = readPort(opened.handle, buffer, sizeof buffer);
    EXPECT_EQ(read.count, 10u);
    EXPECT_EQ(Bytes(buffer, buffer + 10), image);
    EXPECT_EQ(readPort(opened.handle, buffer, sizeof buffer).count, 0u); // at the end
    EXPECT_EQ(writePort(opened.handle, image.data(), 1).error, error::AccessDenied);
    closePort(opened.handle);

    EXPECT_EQ(openFile(u"C:\\nothing.cfg", FileAccess::Read).error, error::FileNotFound);
    EXPECT_EQ(deleteFile(u"C:\\nothing.cfg").error, error::FileNotFound);
    EXPECT_TRUE(deleteFile(u"C:\\cfg\\plant.cfg").ok());
    EXPECT_FALSE(headless::fileContents(u"C:\\cfg\\plant.cfg").has_value());
}

TEST_F(HeadlessFile, AFailedSaveLeavesTheOldFileAndASuccessfulOneReplacesIt) {
    const std::u16string target = u"C:\\plant.cfg";
    const std::u16string temporary = u"C:\\plant.cfg.tmp";
    const Bytes old = {'o', 'l', 'd'};
    headless::putFile(target, old);

    // Writing the temporary file fails: it is deleted and the target is untouched.
    headless::failFileOperation(temporary, headless::FileOperation::Write, error::DiskFull);
    PortOpenResult created = createFile(temporary.c_str());
    ASSERT_TRUE(created.ok());
    EXPECT_EQ(writePort(created.handle, old.data(), 3).error, error::DiskFull);
    closePort(created.handle);
    EXPECT_TRUE(deleteFile(temporary.c_str()).ok());
    EXPECT_EQ(headless::fileContents(target), old);

    // The replacement refused (target in use): both files stay as they were.
    const Bytes fresh = {'n', 'e', 'w', '!'};
    created = createFile(temporary.c_str());
    writePort(created.handle, fresh.data(), 4);
    closePort(created.handle);
    PortOpenResult holder = openFile(target.c_str(), FileAccess::Read);
    EXPECT_EQ(replaceFile(target.c_str(), temporary.c_str()).error, error::SharingViolation);
    EXPECT_EQ(headless::fileContents(target), old);
    EXPECT_EQ(headless::fileContents(temporary), fresh);
    closePort(holder.handle);

    ASSERT_TRUE(replaceFile(target.c_str(), temporary.c_str()).ok());
    EXPECT_EQ(headless::fileContents(target), fresh);
    EXPECT_FALSE(headless::fileContents(temporary).has_value());
    EXPECT_EQ(replaceFile(target.c_str(), temporary.c_str()).error, error::FileNotFound);

    // Replacing a file that does not exist yet creates it.
    headless::putFile(u"C:\\a.tmp", fresh);
    EXPECT_TRUE(replaceFile(u"C:\\new.cfg", u"C:\\a.tmp").ok());
    EXPECT_EQ(headless::fileContents(u"C:\\new.cfg"), fresh);
}

} // namespace
} // namespace zor
