#include "cli/converter_link.h"

#include "link/converter_detection.h"
#include "link/converter_port.h"
#include "link/query_write.h"
#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace zor::cli {
namespace {

bool allDigits(const std::string& text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Windows says "access denied" for a port another program holds; Linux tells the two apart.
std::string openFailureHint(std::uint32_t error) {
    switch (error) {
    case platform::error::FileNotFound:
        return ": no such port";
    case platform::error::SharingViolation:
        return ": in use by another program";
    case platform::error::AccessDenied:
#ifdef _WIN32
        return ": in use or not allowed";
#else
        return ": no permission to use it; add the user to the dialout group "
               "(sudo usermod -aG dialout $USER) and log in again";
#endif
    default:
        return "";
    }
}

} // namespace

std::string PortDeviceName(const std::string& given) {
    if (allDigits(given) && given.size() <= 3) return ConverterPortName(std::stoi(given));
    const std::string up = upper(given);
    if (up.size() > 3 && up.compare(0, 3, "COM") == 0 && allDigits(up.substr(3)) && up.size() <= 6)
        return ConverterPortName(std::stoi(up.substr(3)));
    return given;
}

std::string PortDisplayName(const std::string& device) {
    const std::string prefix = "\\\\.\\";
    if (device.compare(0, prefix.size(), prefix) == 0) return device.substr(prefix.size());
    return device;
}

ConverterLink::~ConverterLink() {
    close();
}

bool ConverterLink::open(const std::string& device, std::string& message) {
    close();
    const platform::PortOpenResult opened = platform::openPort(device.c_str());
    if (!opened.ok()) {
        message = "cannot open " + PortDisplayName(device) + " (error " + std::to_string(opened.error) +
                  openFailureHint(opened.error) + ")";
        return false;
    }
    port_ = opened.handle;
    const LineSetup line = SetConverterLine(port_);
    if (!line.applied.ok()) {
        message = "cannot set " + PortDisplayName(device) + " to 9600 baud 8N1 (error " +
                  std::to_string(line.applied.error) + ")";
        close();
        return false;
    }
    const platform::PortResult timeouts = SetConverterTimeouts(port_);
    if (!timeouts.ok()) {
        message = "cannot set the time-outs of " + PortDisplayName(device) + " (error " +
                  std::to_string(timeouts.error) + ")";
        close();
        return false;
    }
    return true;
}

void ConverterLink::close() {
    if (port_ != platform::invalidPortHandle) (void)platform::closePort(port_);
}

QueryResult ConverterLink::query() {
    QueryResult result;
    std::vector<std::uint8_t> buffer(receiveBufferSize, 0);
    std::uint8_t send[queryLength];
    const platform::PortResult written = WriteQuery(port_, buffer.data(), send);
    if (!written.ok()) {
        result.error = written.error;
        return result;
    }
    const std::uint32_t queryAtMs = platform::tickCountMs();
    result.written = true;
    SleepMs(replyWaitMs);
    std::int32_t count = 0;
    for (;;) {
        const platform::PortResult read = ReadQueryReply(port_, buffer.data(), count);
        if (!read.ok()) {
            result.error = read.error;
            return result;
        }
        count += static_cast<std::int32_t>(read.count);
        result.outcome = RecogniseReply(buffer.data(), count, ReplyOrigin::Port);
        if (!ReplyReadsOn(result.outcome, count, platform::tickCountMs() - queryAtMs)) break;
        SleepMs(replyReadOnStepMs);
    }
    result.readOk = true;
    buffer.resize(static_cast<std::size_t>(count));
    result.bytes = std::move(buffer);
    return result;
}

platform::PortResult ConverterLink::write(const std::uint8_t* bytes, std::uint32_t count) {
    return platform::writePort(port_, bytes, count);
}

platform::PortResult ConverterLink::sendCommand(std::uint8_t command) {
    return platform::writePort(port_, &command, 1);
}

platform::PortResult ConverterLink::read(std::uint8_t* buffer, std::uint32_t capacity) {
    return platform::readPort(port_, buffer, capacity);
}

std::uint32_t LineTimeMs(std::uint32_t count) {
    return (count * 10 * 1000 + converterBaudRate - 1) / converterBaudRate;
}

void SleepMs(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace zor::cli
