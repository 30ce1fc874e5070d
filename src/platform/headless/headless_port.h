// What native tests can do with the serial ports and files of the headless backend: put files in
// place and read them back, make file operations fail, and attach serial devices to port names.
// Reads from a serial device follow the port's time-outs on the virtual clock of headless.h: a read
// returns when the bytes asked for have arrived, when the interval time-out passes without a byte, or
// when the total time-out has passed since it started, and moves the clock to that moment.
#pragma once

#include "platform/port.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zor::platform::headless {

// A device on the far end of a serial port. Times are virtual milliseconds.
class SerialDevice {
  public:
    // A device that goes away is detached from every port it was attached to.
    virtual ~SerialDevice();
    // The program wrote these bytes at this time.
    virtual void written(const std::uint8_t* bytes, std::size_t count, std::uint64_t atMs) = 0;
    // When the next byte for the program arrives (possibly already past); none if nothing will come.
    virtual std::optional<std::uint64_t> nextByteTime() = 0;
    // Takes the next byte; called only after nextByteTime() gave a time.
    virtual std::uint8_t takeByte() = 0;
    // The program purged its receive queue at this time: bytes that arrived by then are gone.
    virtual void purgeArrived(std::uint64_t atMs) = 0;
};

// Faults a port can show beside its device: each nonzero code makes that call fail with it.
struct SerialPortFaults {
    std::uint32_t openError = 0;
    std::uint32_t readSettingsError = 0;
    std::uint32_t applySettingsError = 0;
    std::uint32_t writeError = 0;
    std::uint32_t readError = 0;
};

// The device stays owned by the caller and must outlive its attachment (or be detached).
void attachSerialDevice(const std::string& portName, SerialDevice& device);
void detachSerialDevice(const std::string& portName);
void setSerialPortFaults(const std::string& portName, const SerialPortFaults& faults);
// What the port reports before anyone changed it (its other fields are kept by applyCommSettings).
void setReportedSettings(const std::string& portName, const CommSettings& settings);
std::optional<CommSettings> currentSettings(const std::string& portName);
std::optional<CommTimeouts> currentTimeouts(const std::string& portName);
bool isPortOpen(const std::string& portName);

enum class FileOperation : std::uint8_t { Open, Create, Write, Read, Replace, Delete };
void putFile(const std::u16string& path, const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> fileContents(const std::u16string& path);
// A file with the read-only attribute: it opens for reading, never for writing, replacing or deleting.
void setFileReadOnly(const std::u16string& path, bool readOnly);
// Another program opens the file (it reads, and writes when told), sharing what it is told. Returns the
// opening for closeElsewhere, 0 when the file is missing or the open is refused by the handles there.
struct OtherOpening {
    bool writes = false;
    bool sharesReading = true;
    bool sharesWriting = false;
};
std::uint64_t openElsewhere(const std::u16string& path, const OtherOpening& how);
void closeElsewhere(const std::u16string& path, std::uint64_t opening);
// The next operation of that kind on that path (a Replace: on its target) fails with the code.
void failFileOperation(const std::u16string& path, FileOperation operation, std::uint32_t error);

// Closes every handle, forgets every file, device and fault.
void resetPorts();

} // namespace zor::platform::headless
