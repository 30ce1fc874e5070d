// Serial ports and files on Windows, through the file interface. Implements platform/port.h:
//   openPort (CreateFileA), openFile / createFile (CreateFileW), replaceFile (MoveFileExW),
//   deleteFile (DeleteFileW), readPort / writePort (ReadFile / WriteFile), closePort (CloseHandle),
//   readCommSettings / applyCommSettings (GetCommState / SetCommState), setCommTimeouts
//   (SetCommTimeouts), purgeReceive (PurgeComm with the receive-clear flag).
#include "platform/error_text.h"
#include "platform/port.h"
#include "platform/types.h"
#include "platform/win32/win32_handles.h"

#include <cstring>
#include <string>

namespace zor::platform {

using win32::wide;

namespace {

static_assert(sizeof(DCB) <= sizeof(CommSettings::reported), "the settings block must fit");

HANDLE native(PortHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

PortHandle seam(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? invalidPortHandle : reinterpret_cast<PortHandle>(handle);
}

// The failure GetLastError reports; fallback stands in should the system give no code, so that a
// failure is never shown as code 0.
PortResult systemFailure(std::uint32_t fallback = error::InvalidParameter) {
    PortResult result;
    result.error = GetLastError();
    if (result.error == 0) result.error = fallback;
    return result;
}

PortResult invalidHandle() {
    return PortResult{0, error::InvalidHandle};
}

PortResult invalidParameter() {
    return PortResult{0, error::InvalidParameter};
}

PortOpenResult opened(HANDLE handle) {
    PortOpenResult result;
    if (handle == INVALID_HANDLE_VALUE) {
        const PortResult failure = systemFailure();
        result.error = failure.error;
        return result;
    }
    result.handle = seam(handle);
    return result;
}

} // namespace

PortOpenResult openPort(const char* name) {
    if (name == nullptr) return PortOpenResult{invalidPortHandle, error::InvalidParameter};
    return opened(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

PortOpenResult openFile(const char16_t* path, FileAccess access) {
    if (path == nullptr) return PortOpenResult{invalidPortHandle, error::InvalidParameter};
    const bool readOnly = access == FileAccess::Read;
    const DWORD rights = readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const DWORD sharing = readOnly ? FILE_SHARE_READ : 0;
    return opened(
        CreateFileW(wide(path), rights, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

PortOpenResult createFile(const char16_t* path) {
    if (path == nullptr) return PortOpenResult{invalidPortHandle, error::InvalidParameter};
    return opened(CreateFileW(wide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
}

PortResult replaceFile(const char16_t* target, const char16_t* replacement) {
    if (target == nullptr || replacement == nullptr) return invalidParameter();
    // A rename within one volume: the target is never seen half written.
    if (!MoveFileExW(wide(replacement), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return systemFailure();
    }
    return PortResult{};
}

PortResult deleteFile(const char16_t* path) {
    if (path == nullptr) return invalidParameter();
    if (!DeleteFileW(wide(path))) return systemFailure();
    return PortResult{};
}

PortResult readPort(PortHandle handle, std::uint8_t* buffer, std::uint32_t capacity) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (buffer == nullptr && capacity > 0) return invalidParameter();
    DWORD read = 0;
    if (!ReadFile(native(handle), buffer, capacity, &read, nullptr)) {
        PortResult failure = systemFailure(error::ReadFault);
        failure.count = read;
        return failure;
    }
    return PortResult{read, 0};
}

PortResult writePort(PortHandle handle, const std::uint8_t* bytes, std::uint32_t count) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (bytes == nullptr && count > 0) return invalidParameter();
    DWORD written = 0;
    if (!WriteFile(native(handle), bytes, count, &written, nullptr)) {
        PortResult failure = systemFailure(error::WriteFault);
        failure.count = written;
        return failure;
    }
    return PortResult{written, 0};
}

PortResult closePort(PortHandle& handle) {
    if (handle == invalidPortHandle) return invalidHandle();
    const HANDLE closing = native(handle);
    handle = invalidPortHandle;
    if (!CloseHandle(closing)) return systemFailure();
    return PortResult{};
}

CommSettingsResult readCommSettings(PortHandle handle) {
    CommSettingsResult result;
    if (handle == invalidPortHandle) {
        result.error = error::InvalidHandle;
        return result;
    }
    DCB block;
    std::memset(&block, 0, sizeof block);
    block.DCBlength = sizeof block;
    if (!GetCommState(native(handle), &block)) {
        const PortResult failure = systemFailure();
        result.error = failure.error;
        return result;
    }
    result.settings.baudRate = block.BaudRate;
    result.settings.byteSize = block.ByteSize;
    result.settings.parity = block.Parity;
    result.settings.stopBits = block.StopBits;
    std::memcpy(result.settings.reported.data(), &block, sizeof block);
    return result;
}

PortResult applyCommSettings(PortHandle handle, const CommSettings& settings) {
    if (handle == invalidPortHandle) return invalidHandle();
    DCB block;
    std::memcpy(&block, settings.reported.data(), sizeof block);
    block.DCBlength = sizeof block;
    block.BaudRate = settings.baudRate;
    block.ByteSize = settings.byteSize;
    block.Parity = settings.parity;
    block.StopBits = settings.stopBits;
    if (!SetCommState(native(handle), &block)) return systemFailure();
    return PortResult{};
}

PortResult setCommTimeouts(PortHandle handle, const CommTimeouts& timeouts) {
    if (handle == invalidPortHandle) return invalidHandle();
    COMMTIMEOUTS block;
    block.ReadIntervalTimeout = timeouts.readInterval;
    block.ReadTotalTimeoutMultiplier = timeouts.readTotalMultiplier;
    block.ReadTotalTimeoutConstant = timeouts.readTotalConstant;
    block.WriteTotalTimeoutMultiplier = timeouts.writeTotalMultiplier;
    block.WriteTotalTimeoutConstant = timeouts.writeTotalConstant;
    if (!SetCommTimeouts(native(handle), &block)) return systemFailure();
    return PortResult{};
}

PortResult purgeReceive(PortHandle handle) {
    if (handle == invalidPortHandle) return invalidHandle();
    if (!PurgeComm(native(handle), PURGE_RXCLEAR)) return systemFailure();
    return PortResult{};
}

std::string errorText(std::uint32_t error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string words;
    if (length > 0 && text != nullptr) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        words.resize(static_cast<std::size_t>(size > 0 ? size : 0));
        if (size > 0)
            WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), words.data(), size, nullptr,
                                nullptr);
    }
    if (text != nullptr) LocalFree(text);
    while (!words.empty() &&
           (words.back() == '\n' || words.back() == '\r' || words.back() == '.' || words.back() == ' '))
        words.pop_back();
    return words.empty() ? "error " + std::to_string(error) : words;
}

const char accessDeniedPortHint[] = ": in use or not allowed";

} // namespace zor::platform
