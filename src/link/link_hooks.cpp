#include "link/link_hooks.h"

namespace zor {

LinkHooks linkHooks;

void FormClearIndicatorBlinks() {
    if (linkHooks.clearIndicatorBlinks != nullptr) linkHooks.clearIndicatorBlinks();
}

void FormApplyReply(const ReplyOutcome& outcome, bool fromFile) {
    if (linkHooks.applyReply != nullptr) linkHooks.applyReply(outcome, fromFile);
}

void FormSendChecked(const ReplyOutcome& reply) {
    if (linkHooks.sendChecked != nullptr) linkHooks.sendChecked(reply);
}

} // namespace zor
