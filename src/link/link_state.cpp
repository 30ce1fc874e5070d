#include "link/link_state.h"

namespace zor {

LinkState converterLink;

} // namespace zor
