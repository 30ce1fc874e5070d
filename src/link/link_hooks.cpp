#include "link/link_hooks.h"

namespace zor {

LinkHooks linkHooks;

void FormClearIndicatorBlinks() {
    if (linkHooks.clearIndicatorBlinks != nullptr) linkHooks.clearIndicatorBlinks();
}

void FormApplyReply(const std::uint8_t* buffer, std::int32_t count, bool fromFile) {
    if (linkHooks.applyReply != nullptr) linkHooks.applyReply(buffer, count, fromFile);
}

void FormSendChecked(const std::uint8_t* buffer, std::int32_t count) {
    if (linkHooks.sendChecked != nullptr) linkHooks.sendChecked(buffer, count);
}

bool ReplyComplete(const std::uint8_t* buffer, std::int32_t count) {
    if (linkHooks.replyComplete == nullptr) return true;
    return linkHooks.replyComplete(buffer, count);
}

} // namespace zor
