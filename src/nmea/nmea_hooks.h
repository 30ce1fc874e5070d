// The NMEA tools' calls up into the form. nmea/ never names the form's widgets: app/wiring.cpp puts
// the form's functions into these slots once at start-up, and the tools call the functions below,
// never a slot, so each slot is checked in one place.
#pragma once

#include <cstdint>

namespace zor {

struct NmeaHooks {
    void (*takePickedSentence)(const char16_t* id, std::uint32_t parameterMask) = nullptr;
    const char16_t* (*currentSentenceId)() = nullptr;
    std::int32_t* viewedParameter = nullptr; // kept by the form
    void (*enterRealtimeView)() = nullptr;
    void (*leaveRealtimeView)() = nullptr;
};

extern NmeaHooks nmeaHooks;

// The picker's "OK": the form shows the identifier and selects exactly the parameter slots of the
// mask (bit k: slot k + 1) for the current register set.
void FormTakePickedSentence(const char16_t* id, std::uint32_t parameterMask);
// The sentence identifier of the current register set; empty while nothing is wired.
const char16_t* FormCurrentSentenceId();
// The slot the real-time view shows (1..32), -1 while it is off.
std::int32_t FormViewedParameter();
void FormSetViewedParameter(std::int32_t slot);
// The real-time view takes the form's controls out of use while it runs, and gives each back the
// state it had before.
void FormEnterRealtimeView();
void FormLeaveRealtimeView();

} // namespace zor
