// The link's calls up into the form. The link never names the form: app/wiring.cpp puts the form's
// functions into these slots once at start-up, and the link calls the functions below, never a slot,
// so each slot is checked in one place.
#pragma once

#include <cstdint>

namespace zor {

struct LinkHooks {
    void (*clearIndicatorBlinks)() = nullptr;
    void (*applyReply)(const std::uint8_t* buffer, std::int32_t count, bool fromFile) = nullptr;
    bool (*replyComplete)(const std::uint8_t* buffer, std::int32_t count) = nullptr;
    void (*sendChecked)(const std::uint8_t* buffer, std::int32_t count) = nullptr;
};

extern LinkHooks linkHooks;

// A scan starts: the converter state lights stop blinking.
void FormClearIndicatorBlinks();
// A reply tag was found in the first count bytes of the receive buffer: decode the image into the
// form, show the final status, beep and refresh as the image asks.
void FormApplyReply(const std::uint8_t* buffer, std::int32_t count, bool fromFile);
// Whether the first count bytes of the receive buffer hold a reply up to its trailer; the image
// layouts know where that stands. Without the slot a reply counts as complete, as it did before the
// reply job read on.
bool ReplyComplete(const std::uint8_t* buffer, std::int32_t count);
// The reply to the query "Send Settings" writes first is in (count 0 when none came or the read
// failed): the form compares the converter with the one its settings came from, then writes or not.
void FormSendChecked(const std::uint8_t* buffer, std::int32_t count);

} // namespace zor
