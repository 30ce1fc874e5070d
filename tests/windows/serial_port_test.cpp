// The win32 port and file code on Wine: refusals with the system's codes, files replaced in one step,
// and a real exchange with the converter simulator on a pseudo-terminal linked as a COM port (run by
// with-simulator.sh, which names the port in ZOR_TEST_COM_PORT).
#include "link/converter_port.h"
#include "platform/port.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace zor {
namespace {

using namespace platform;
using Bytes = std::vector<std::uint8_t>;

PortResult writeText(PortHandle port, const std::string& text) {
    return writePort(port, reinterpret_cast<const std::uint8_t*>(text.data()),
                     static_cast<std::uint32_t>(text.size()));
}

std::u16string widePath(const std::filesystem::path& path) {
    const std::wstring w = path.wstring();
    return std::u16string(w.begin(), w.end());
}

TEST(Win32Port, APortThatIsNotOpenRefusesWithInvalidHandle) {
    const std::uint8_t query[] = {'~', 'Z', 'O', 'R', '0'};
    const PortResult written = writePort(invalidPortHandle, query, 5);
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(written.error, error::InvalidHandle);
    EXPECT_EQ(written.count, 0u);
    std::uint8_t buffer[16];
    EXPECT_EQ(readPort(invalidPortHandle, buffer, sizeof buffer).error, error::InvalidHandle);
    PortHandle none = invalidPortHandle;
    EXPECT_EQ(closePort(none).error, error::InvalidHandle);

    // No port of that number exists here.
    const PortOpenResult missing = OpenConverterPort(250);
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error, 0u);
    EXPECT_EQ(missing.handle, invalidPortHandle);
}

TEST(Win32File, WrittenFileIsReplacedInOneStepAndReadBack) {
    const auto dir = std::filesystem::temp_directory_path();
    const std::u16string target = widePath(dir / "zor_port_test.cfg");
    const std::u16string temporary = widePath(dir / "zor_port_test.cfg.tmp");
    deleteFile(target.c_str());

    const Bytes old = {'o', 'l', 'd'};
    PortOpenResult created = createFile(target.c_str());
    ASSERT_TRUE(created.ok()) << created.error;
    EXPECT_EQ(writePort(created.handle, old.data(), 3).count, 3u);
    EXPECT_FALSE(readCommSettings(created.handle).ok()); // a file has no line settings
    // Not shared while open.
    EXPECT_FALSE(openFile(target.c_str(), FileAccess::Read).ok());
    closePort(created.handle);

    const Bytes fresh = {'~', 'Z', 'O', 'R', '3', 'a', 4, 'E', 'N', 'D'};
    created = createFile(temporary.c_str());
    ASSERT_TRUE(created.ok());
    writePort(created.handle, fresh.data(), static_cast<std::uint32_t>(fresh.size()));
    closePort(created.handle);
    ASSERT_TRUE(replaceFile(target.c_str(), temporary.c_str()).ok());
    EXPECT_EQ(openFile(temporary.c_str(), FileAccess::Read).error, error::FileNotFound);

    PortOpenResult opened = openFile(target.c_str(), FileAccess::Read);
    ASSERT_TRUE(opened.ok());
    std::uint8_t buffer[8192];
    const PortResult read = readPort(opened.handle, buffer, sizeof buffer);
    EXPECT_EQ(Bytes(buffer, buffer + read.count), fresh);
    EXPECT_FALSE(writePort(opened.handle, fresh.data(), 1).ok()); // opened for reading only
    closePort(opened.handle);
    EXPECT_TRUE(deleteFile(target.c_str()).ok());
    EXPECT_EQ(deleteFile(target.c_str()).error, error::FileNotFound);
}

class Win32SerialOnPty : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* port = std::getenv("ZOR_TEST_COM_PORT");
        if (port == nullptr || *port == '\0') GTEST_SKIP() << "no simulator linked as a COM port";
        number = std::atoi(port);
    }
    PortHandle openAndSetUp() {
        PortOpenResult opened = OpenConverterPort(number);
        EXPECT_TRUE(opened.ok()) << "error " << opened.error;
        EXPECT_TRUE(SetConverterLine(opened.handle).applied.ok());
        EXPECT_TRUE(SetConverterTimeouts(opened.handle).ok());
        return opened.handle;
    }
    int number = 0;
    std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(8192, 0);
};

// The simulator pauses 600 ms after the first 100 bytes of its reply.
class Win32SerialSplitReply : public Win32SerialOnPty {
  protected:
    void SetUp() override {
        const char* split = std::getenv("ZOR_TEST_SPLIT_AFTER");
        if (split == nullptr || *split == '\0') GTEST_SKIP() << "no simulator with a split reply";
        Win32SerialOnPty::SetUp();
    }
};

TEST_F(Win32SerialOnPty, QueryIsAnsweredWithACompleteReplyWithinTheTimeouts) {
    PortOpenResult opened = OpenConverterPort(number);
    ASSERT_TRUE(opened.ok()) << "error " << opened.error;
    PortHandle port = opened.handle;

    const LineSetup setup = SetConverterLine(port);
    EXPECT_EQ(setup.readSettingsError, 0u);
    ASSERT_TRUE(setup.applied.ok()) << "error " << setup.applied.error;
    const CommSettingsResult line = readCommSettings(port);
    ASSERT_TRUE(line.ok());
    EXPECT_EQ(line.settings.baudRate, 9600u);
    EXPECT_EQ(line.settings.byteSize, 8);
    EXPECT_EQ(line.settings.parity, 0);
    EXPECT_EQ(line.settings.stopBits, 0);
    ASSERT_TRUE(SetConverterTimeouts(port).ok());
    ASSERT_TRUE(purgeReceive(port).ok());

    const PortResult written = writeText(port, "~ZOR0");
    ASSERT_TRUE(written.ok()) << "error " << written.error;
    EXPECT_EQ(written.count, 5u);
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // as the reply job waits
    const PortResult read = readPort(port, buffer.data(), 8192);
    ASSERT_TRUE(read.ok()) << "error " << read.error;
    ASSERT_EQ(read.count, 326u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 5), "~ZOR1");
    EXPECT_EQ(std::string(buffer.begin() + 323, buffer.begin() + 326), "END");

    // Nothing more comes: the next read gives up after the total time-out with nothing (it returns at
    // all only because the time-outs are set: without them it would wait for its 100 bytes for ever).
    const PortResult empty = readPort(port, buffer.data() + 1000, 100);
    EXPECT_TRUE(empty.ok());
    EXPECT_EQ(empty.count, 0u);

    // The image sent back in one write is kept and answered again.
    Bytes image(buffer.begin(), buffer.begin() + 326);
    image[5] = 'k';
    EXPECT_EQ(writePort(port, image.data(), 326).count, 326u);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    writeText(port, "~ZOR0");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const PortResult again = readPort(port, buffer.data(), 8192);
    ASSERT_EQ(again.count, 326u);
    EXPECT_EQ(buffer[5], 'k');

    // Streaming between "s" and "x"; the purge afterwards leaves nothing to read.
    ASSERT_TRUE(purgeReceive(port).ok());
    writeText(port, "s");
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    const PortResult streamed = readPort(port, buffer.data(), 8192);
    EXPECT_GT(streamed.count, 5u);
    EXPECT_EQ(buffer[0], '$');
    writeText(port, "x");
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    purgeReceive(port);
    EXPECT_EQ(readPort(port, buffer.data(), 8192).count, 0u);

    EXPECT_TRUE(closePort(port).ok());
    EXPECT_EQ(writeText(port, "l").error, error::InvalidHandle);
}

TEST_F(Win32SerialSplitReply, OneReadEndsAtThePauseAndTheRestComesLater) {
    PortHandle port = openAndSetUp();
    ASSERT_NE(port, invalidPortHandle);
    purgeReceive(port);
    ASSERT_EQ(writeText(port, "~ZOR0").count, 5u);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const PortResult first = readPort(port, buffer.data(), 8192);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.count, 100u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 5), "~ZOR1");

    std::uint32_t rest = 0;
    for (int i = 0; i < 6 && rest < 226; ++i)
        rest += readPort(port, buffer.data() + 100 + rest, 8092 - rest).count;
    EXPECT_EQ(rest, 226u);
    EXPECT_EQ(std::string(buffer.begin() + 323, buffer.begin() + 326), "END");
    closePort(port);
}

} // namespace
} // namespace zor
