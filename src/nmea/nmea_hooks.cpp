#include "nmea/nmea_hooks.h"

namespace zor {

NmeaHooks nmeaHooks;

void FormTakePickedSentence(const char16_t* id, std::uint32_t parameterMask) {
    if (nmeaHooks.takePickedSentence != nullptr) nmeaHooks.takePickedSentence(id, parameterMask);
}

const char16_t* FormCurrentSentenceId() {
    return nmeaHooks.currentSentenceId != nullptr ? nmeaHooks.currentSentenceId() : u"";
}

std::int32_t FormViewedParameter() {
    return nmeaHooks.viewedParameter != nullptr ? *nmeaHooks.viewedParameter : -1;
}

void FormSetViewedParameter(std::int32_t slot) {
    if (nmeaHooks.viewedParameter != nullptr) *nmeaHooks.viewedParameter = slot;
}

void FormEnterRealtimeView() {
    if (nmeaHooks.enterRealtimeView != nullptr) nmeaHooks.enterRealtimeView();
}

void FormLeaveRealtimeView() {
    if (nmeaHooks.leaveRealtimeView != nullptr) nmeaHooks.leaveRealtimeView();
}

} // namespace zor
