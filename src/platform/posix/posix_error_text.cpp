// platform/error_text.h on Linux: strerror's words for the errno a code stands for.
#include "platform/error_text.h"
#include "platform/posix/posix_error_codes.h"

#include <cstring>

namespace zor::platform {

std::string errorText(std::uint32_t error) {
    const int code = posix::posixCode(error);
    if (code == 0) return "error " + std::to_string(error);
    return std::strerror(code);
}

const char accessDeniedPortHint[] = ": no permission to use it; add the user to the dialout group "
                                    "(sudo usermod -aG dialout $USER) and log in again";

} // namespace zor::platform
