// Serial ports and files on Linux. Implements platform/port.h:
//   openPort (libserialport: sp_get_port_by_name, sp_open, an exclusive lock on the device),
//   openFile / createFile / replaceFile / deleteFile (POSIX open, rename, unlink, with flock for the
//   "no sharing" of Windows), readPort / writePort (sp_blocking_read_next and sp_blocking_write with
//   the Win32 time-out rules kept per handle, or read / write on a file), closePort,
//   readCommSettings / applyCommSettings (sp_get_config, the four setters), setCommTimeouts (kept
//   for reads and writes), purgeReceive (sp_flush of the input buffer).
// Errors are reported with the Win32 codes the rest of the program shows (2 not found, 5 access
// denied, 6 invalid handle, 32 a port or file in use...).
#include "platform/port.h"
#include "platform/posix/posix_error_codes.h"
#include "platform/types.h"
#include "platform/utf8_text.h"

#include <libserialport.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace zor::platform {

struct PortObject {
    sp_port* serial = nullptr; // a serial port, or ...
    int fd = -1;               // ... a file
    CommTimeouts timeouts{};
};

namespace {

using posix::win32Code;

constexpr std::uint32_t everything = 0xFFFFFFFFu; // MAXDWORD

PortResult systemFailure(int code) {
    PortResult result;
    result.error = win32Code(code);
    return result;
}

PortResult serialFailure(sp_return code) {
    switch (code) {
    case SP_ERR_ARG:
        return PortResult{0, error::InvalidParameter};
    case SP_ERR_MEM:
        return PortResult{0, error::NotEnoughMemory};
    case SP_ERR_SUPP:
        return PortResult{0, error::NotSupported};
    default:
        return systemFailure(sp_last_error_code());
    }
}

PortResult invalidHandle() {
    return PortResult{0, error::InvalidHandle};
}

PortResult invalidParameter() {
    return PortResult{0, error::InvalidParameter};
}

PortOpenResult openFailure(const PortResult& failure) {
    return PortOpenResult{invalidPortHandle, failure.error};
}

// The UTF-8 path of a 16-bit one; unpaired surrogates become U+FFFD.
std::string narrowPath(const char16_t* path) {
    return Utf8FromUtf16(path);
}

// A file opened with the flags and locked as Windows shares it: opened for reading only, others may
// read it too (a shared lock); otherwise no second user (an exclusive lock).
PortOpenResult openLocked(const char16_t* path, int flags) {
    if (path == nullptr) return openFailure(invalidParameter());
    const int fd = ::open(narrowPath(path).c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) return openFailure(systemFailure(errno));
    const int lock = (flags & O_ACCMODE) == O_RDONLY ? LOCK_SH : LOCK_EX;
    if (::flock(fd, lock | LOCK_NB) != 0) {
        const int code = errno;
        ::close(fd);
        return openFailure(systemFailure(code == EWOULDBLOCK ? EBUSY : code));
    }
    PortOpenResult result;
    result.handle = new PortObject{nullptr, fd, {}};
    return result;
}

std::uint64_t steadyMs() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

// A read with the Win32 rules: it ends when capacity bytes have arrived, when the interval passes
// after a byte without another, or when the total time (multiplier times capacity plus constant) has
// passed; zero for both means no limit of that kind. Interval "everything" with no total limit returns
// at once with what is there.
PortResult readSerial(PortObject& port, std::uint8_t* buffer, std::uint32_t capacity) {
    const CommTimeouts& t = port.timeouts;
    if (capacity == 0) return PortResult{};
    if (t.readInterval == everything && t.readTotalMultiplier == 0 && t.readTotalConstant == 0) {
        const int n = sp_nonblocking_read(port.serial, buffer, capacity);
        if (n < 0) return serialFailure(static_cast<sp_return>(n));
        return PortResult{static_cast<std::uint32_t>(n), 0};
    }
    const std::uint64_t total =
        static_cast<std::uint64_t>(t.readTotalMultiplier) * capacity + t.readTotalConstant;
    const std::uint64_t start = steadyMs();
    std::uint32_t got = 0;
    while (got < capacity) {
        std::uint64_t wait = 0; // 0: no limit
        if (total > 0) {
            const std::uint64_t spent = steadyMs() - start;
            if (spent >= total) break;
            wait = total - spent;
        }
        if (got > 0 && t.readInterval > 0 && (wait == 0 || t.readInterval < wait)) wait = t.readInterval;
        const unsigned waitMs = static_cast<unsigned>(wait > 0x7FFFFFFF ? 0x7FFFFFFF : wait);
        const int n = sp_blocking_read_next(port.serial, buffer + got, capacity - got, waitMs);
        if (n < 0) {
            PortResult failure = serialFailure(static_cast<sp_return>(n));
            failure.count = got;
            return failure;
        }
        if (n == 0) break; // the wait passed without a byte
        got += static_cast<std::uint32_t>(n);
    }
    return PortResult{got, 0};
}

} // namespace

PortOpenResult openPort(const char* name) {
    if (name == nullptr) return openFailure(invalidParameter());
    // libserialport knows a port by its device name only: the stable names of USB adapters
    // (/dev/serial/by-id/...) are symbolic links to it.
    char resolved[PATH_MAX];
    const char* device = ::realpath(name, resolved) != nullptr ? resolved : name;
    sp_port* port = nullptr;
    const sp_return found = sp_get_port_by_name(device, &port);
    if (found != SP_OK) {
        // libserialport knows only devices the system lists as serial ports.
        return PortOpenResult{invalidPortHandle, error::FileNotFound};
    }
    const sp_return opened = sp_open(port, SP_MODE_READ_WRITE);
    if (opened != SP_OK) {
        const PortResult failure = serialFailure(opened);
        sp_free_port(port);
        return openFailure(failure);
    }
    // One user at a time, as Windows opens a port without sharing.
    int fd = -1;
    if (sp_get_port_handle(port, &fd) == SP_OK && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        sp_close(port);
        sp_free_port(port);
        return PortOpenResult{invalidPortHandle, error::SharingViolation};
    }
    PortOpenResult result;
    result.handle = new PortObject{port, -1, {}};
    return result;
}

PortOpenResult openFile(const char16_t* path, FileAccess access) {
    return openLocked(path, access == FileAccess::Read ? O_RDONLY : O_RDWR);
}

PortOpenResult createFile(const char16_t* path) {
    return openLocked(path, O_RDWR | O_CREAT | O_TRUNC);
}

PortResult replaceFile(const char16_t* target, const char16_t* replacement) {
    if (target == nullptr || replacement == nullptr) return invalidParameter();
    if (::rename(narrowPath(replacement).c_str(), narrowPath(target).c_str()) != 0)
        return systemFailure(errno);
    return PortResult{};
}

PortResult deleteFile(const char16_t* path) {
    if (path == nullptr) return invalidParameter();
    if (::unlink(narrowPath(path).c_str()) != 0) return systemFailure(errno);
    return PortResult{};
}

PortResult readPort(PortHandle handle, std::uint8_t* buffer, std::uint32_t capacity) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (buffer == nullptr && capacity > 0) return invalidParameter();
    if (handle->serial != nullptr) return readSerial(*handle, buffer, capacity);
    std::uint32_t got = 0;
    while (got < capacity) {
        const ssize_t n = ::read(handle->fd, buffer + got, capacity - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            PortResult failure = systemFailure(errno);
            failure.count = got;
            return failure;
        }
        if (n == 0) break;
        got += static_cast<std::uint32_t>(n);
    }
    return PortResult{got, 0};
}

PortResult writePort(PortHandle handle, const std::uint8_t* bytes, std::uint32_t count) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (bytes == nullptr && count > 0) return invalidParameter();
    if (handle->serial != nullptr) {
        const CommTimeouts& t = handle->timeouts;
        const std::uint64_t limit =
            static_cast<std::uint64_t>(t.writeTotalMultiplier) * count + t.writeTotalConstant;
        const unsigned waitMs = static_cast<unsigned>(limit > 0x7FFFFFFF ? 0x7FFFFFFF : limit);
        const int n = sp_blocking_write(handle->serial, bytes, count, waitMs);
        if (n < 0) return serialFailure(static_cast<sp_return>(n));
        // As on Windows, a write that runs out of time succeeds with what it wrote.
        return PortResult{static_cast<std::uint32_t>(n), 0};
    }
    std::uint32_t written = 0;
    while (written < count) {
        const ssize_t n = ::write(handle->fd, bytes + written, count - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            PortResult failure = systemFailure(errno);
            failure.count = written;
            return failure;
        }
        written += static_cast<std::uint32_t>(n);
    }
    return PortResult{written, 0};
}

PortResult closePort(PortHandle& handle) {
    if (handle == invalidPortHandle) return invalidHandle();
    PortObject* closing = handle;
    handle = invalidPortHandle;
    PortResult result;
    if (closing->serial != nullptr) {
        const sp_return closed = sp_close(closing->serial);
        if (closed != SP_OK) result = serialFailure(closed);
        sp_free_port(closing->serial);
    } else if (::close(closing->fd) != 0) {
        result = systemFailure(errno);
    }
    delete closing;
    return result;
}

CommSettingsResult readCommSettings(PortHandle handle) {
    CommSettingsResult result;
    if (handle == invalidPortHandle || handle->serial == nullptr) {
        const PortResult failure =
            handle == invalidPortHandle ? invalidHandle() : PortResult{0, error::NotSupported};
        result.error = failure.error;
        return result;
    }
    sp_port_config* config = nullptr;
    sp_return status = sp_new_config(&config);
    if (status == SP_OK) status = sp_get_config(handle->serial, config);
    if (status == SP_OK) {
        int baud = 0, bits = 0, stopBits = 0;
        sp_parity parity = SP_PARITY_NONE;
        sp_get_config_baudrate(config, &baud);
        sp_get_config_bits(config, &bits);
        sp_get_config_parity(config, &parity);
        sp_get_config_stopbits(config, &stopBits);
        result.settings.baudRate = static_cast<std::uint32_t>(baud);
        result.settings.byteSize = static_cast<std::uint8_t>(bits);
        // Win32 numbering: parity 0 none, 1 odd, 2 even, 3 mark, 4 space; stop bits 0 one, 2 two.
        result.settings.parity = static_cast<std::uint8_t>(parity < 0 ? 0 : parity);
        result.settings.stopBits = static_cast<std::uint8_t>(stopBits == 2 ? 2 : 0);
    } else {
        const PortResult failure = serialFailure(status);
        result.error = failure.error;
    }
    sp_free_config(config);
    return result;
}

PortResult applyCommSettings(PortHandle handle, const CommSettings& settings) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (handle->serial == nullptr) return PortResult{0, error::NotSupported};
    // Only the four fields: flow control and the rest stay as the port has them.
    sp_return status = sp_set_baudrate(handle->serial, static_cast<int>(settings.baudRate));
    if (status == SP_OK) status = sp_set_bits(handle->serial, settings.byteSize);
    if (status == SP_OK) status = sp_set_parity(handle->serial, static_cast<sp_parity>(settings.parity));
    if (status == SP_OK) status = sp_set_stopbits(handle->serial, settings.stopBits == 2 ? 2 : 1);
    if (status != SP_OK) return serialFailure(status);
    return PortResult{};
}

PortResult setCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (handle->serial == nullptr) return PortResult{0, error::NotSupported};
    handle->timeouts = timeouts;
    return PortResult{};
}

PortResult purgeReceive(PortHandle handle) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (handle->serial == nullptr) return PortResult{0, error::NotSupported};
    const sp_return status = sp_flush(handle->serial, SP_BUF_INPUT);
    if (status != SP_OK) return serialFailure(status);
    return PortResult{};
}

} // namespace zor::platform
