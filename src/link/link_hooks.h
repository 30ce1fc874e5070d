// The link's calls up into the form. The link never names the form: app/wiring.cpp puts the form's
// functions into these slots once at start-up, and the link calls the functions below, never a slot,
// so each slot is checked in one place.
#pragma once

#include "link/reply_outcome.h"

namespace zor {

struct LinkHooks {
    void (*clearIndicatorBlinks)() = nullptr;
    void (*applyReply)(const ReplyOutcome& outcome, bool fromFile) = nullptr;
    void (*sendChecked)(const ReplyOutcome& reply) = nullptr;
};

extern LinkHooks linkHooks;

// A scan starts: the converter state lights stop blinking.
void FormClearIndicatorBlinks();
// A reply (or an opened file, still in the receive buffer) was recognised with its tag: the form takes
// its complete image, shows the final status, beeps and refreshes as the outcome asks.
void FormApplyReply(const ReplyOutcome& outcome, bool fromFile);
// The reply to the query "Send Settings" writes first, recognised (nothing found when none came or the
// read failed): the form compares the converter with the one its settings came from, then writes or not.
void FormSendChecked(const ReplyOutcome& reply);

} // namespace zor
