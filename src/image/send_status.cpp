#include "image/send_status.h"

#include "toolkit/decimal_text.h"

namespace zor {

std::u16string BytesWrittenText(std::int32_t count) {
    return DecimalText(count) + u" bytes written";
}

} // namespace zor
