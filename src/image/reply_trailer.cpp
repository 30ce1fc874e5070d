#include "image/reply_trailer.h"

#include "image/reply_outcome.h"

namespace zor {

bool ReplyReachedTrailer(const std::uint8_t* buffer, std::int32_t count) {
    return RecogniseReply(buffer, count, ReplyOrigin::Port).complete;
}

} // namespace zor
