// The Win32 codes the POSIX backend reports for errno values, one table both ways: the port and file
// calls turn errno into the code the rest of the program shows, and errorText (posix_error_text.cpp)
// turns the code back into strerror's words.
#pragma once

#include "platform/port.h"
#include "platform/types.h"

#include <cerrno>
#include <cstdint>

namespace zor::platform::posix {

inline constexpr std::uint32_t timeoutError = 1460; // ERROR_TIMEOUT
inline constexpr std::uint32_t generalFailure = 31; // ERROR_GEN_FAILURE
inline constexpr std::uint32_t nameTooLong = 206;   // ERROR_FILENAME_EXCED_RANGE
inline constexpr std::uint32_t alreadyExists = 183; // ERROR_ALREADY_EXISTS
inline constexpr std::uint32_t notSameDevice = 17;  // ERROR_NOT_SAME_DEVICE

inline std::uint32_t win32Code(int code) {
    switch (code) {
    case 0:
        return generalFailure;
    case ENOENT:
        return error::FileNotFound;
    case ENOTDIR:
        return error::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return error::AccessDenied;
    case EBADF:
        return error::InvalidHandle;
    case ENOMEM:
        return error::NotEnoughMemory;
    case EBUSY:
    case EWOULDBLOCK:
        return error::SharingViolation;
    case EINVAL:
        return error::InvalidParameter;
    case ENOSPC:
        return error::DiskFull;
    case ENAMETOOLONG:
        return nameTooLong;
    case EEXIST:
        return alreadyExists;
    case EXDEV:
        return notSameDevice;
    case ETIMEDOUT:
        return timeoutError;
    default:
        return generalFailure;
    }
}

// The errno a Win32 code stands for, for strerror's words; 0 when none does.
inline int posixCode(std::uint32_t code) {
    for (const int candidate : {ENOENT, ENOTDIR, EACCES, EBADF, ENOMEM, EBUSY, EINVAL, ENOSPC, ENAMETOOLONG,
                                EEXIST, EXDEV, ETIMEDOUT})
        if (win32Code(candidate) == code) return candidate;
    return code == error::NotSupported ? ENOTSUP : 0;
}

} // namespace zor::platform::posix
