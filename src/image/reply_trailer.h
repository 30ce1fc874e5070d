// Whether a reply read so far has reached its trailer, for the reply job that reads on until it has.
#pragma once

#include <cstdint>

namespace zor {

// True when the first count bytes hold a reply tag whose image is complete up to its "END"; false
// without a tag, or while the image is still short of its trailer.
bool ReplyReachedTrailer(const std::uint8_t* buffer, std::int32_t count);

} // namespace zor
