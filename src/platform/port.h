// Serial ports and files behind one handle type: the converter's port and a configuration or firmware
// file are read and written the same way, so a file handle can stand in for the port for one call.
// Every operation returns its error code with its result (Win32 error codes on every backend); there
// is no thread-global "last error". A failure always carries a code other than 0, so the code alone
// tells success from failure.
#pragma once

#include "platform/types.h"

#include <array>
#include <cstdint>

namespace zor::platform {

namespace error {
inline constexpr std::uint32_t NotSupported = 50;
} // namespace error

struct PortObject;
using PortHandle = PortObject*;
inline constexpr PortHandle invalidPortHandle = nullptr;

struct PortResult {
    std::uint32_t count = 0; // bytes read or written
    std::uint32_t error = 0; // system error code, 0 on success
    bool ok() const { return error == 0; }
};

struct PortOpenResult {
    PortHandle handle = invalidPortHandle;
    std::uint32_t error = 0; // 0 on success
    bool ok() const { return error == 0; }
};

// Line settings of a serial port. Only the four named fields are ever changed; every other field of
// the port's settings block (flow control, binary mode, special characters) travels in `reported`
// exactly as the port gave it, and is handed back unchanged when the settings are applied.
struct CommSettings {
    std::uint32_t baudRate = 0;
    std::uint8_t byteSize = 0;
    std::uint8_t parity = 0;   // 0 none
    std::uint8_t stopBits = 0; // 0 one stop bit
    std::array<std::uint8_t, 32> reported{};
};

struct CommSettingsResult {
    CommSettings settings;
    std::uint32_t error = 0; // 0 on success
    bool ok() const { return error == 0; }
};

// Read and write time-outs in milliseconds, with the meaning of the Win32 COMMTIMEOUTS fields.
struct CommTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalMultiplier = 0;
    std::uint32_t writeTotalConstant = 0;
};

enum class FileAccess : std::uint8_t { Read, ReadWrite };

// A serial port by its 8-bit device name ("\\.\COM3"): read and write access, no sharing, existing
// only, synchronous.
PortOpenResult openPort(const char* name);
// An existing file. Opened for reading only, others may read it too meanwhile (a read-only file opens);
// for reading and writing it is not shared.
PortOpenResult openFile(const char16_t* path, FileAccess access);
// A new file for writing, replacing one that is there; not shared while open.
PortOpenResult createFile(const char16_t* path);
// Puts the file `replacement` in the place of `target` in one step: afterwards `target` holds either
// its old content or the whole replacement, never a mixture. `replacement` is gone on success.
PortResult replaceFile(const char16_t* target, const char16_t* replacement);
PortResult deleteFile(const char16_t* path);

// One read of at most capacity bytes. On a serial port it ends by the time-outs in force.
PortResult readPort(PortHandle handle, std::uint8_t* buffer, std::uint32_t capacity);
// One write of all count bytes; count tells how many were written.
PortResult writePort(PortHandle handle, const std::uint8_t* bytes, std::uint32_t count);
// Closes the handle and marks it invalid. Closing an invalid handle fails with the invalid-handle code.
PortResult closePort(PortHandle& handle);

CommSettingsResult readCommSettings(PortHandle handle);
PortResult applyCommSettings(PortHandle handle, const CommSettings& settings);
PortResult setCommTimeouts(PortHandle handle, const CommTimeouts& timeouts);
// Throws away what has arrived and not been read yet; the transmit side is left alone.
PortResult purgeReceive(PortHandle handle);

} // namespace zor::platform
