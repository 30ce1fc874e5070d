// What the NMEA tools need of the main form, handed over once at start-up: nmea/ never names the
// form's widgets, it asks the form through these.
#pragma once

#include <cstdint>

namespace zor {

struct NmeaHooks {
    // The picker's "OK": the form shows the identifier and selects exactly the parameter slots of the
    // mask (bit k: slot k + 1) for the current register set.
    void (*takePickedSentence)(const char16_t* id, std::uint32_t parameterMask) = nullptr;
    // The sentence identifier of the current register set; never null.
    const char16_t* (*currentSentenceId)() = nullptr;
    // The slot the real-time view shows (1..32), -1 while it is off; kept by the form.
    std::int32_t* viewedParameter = nullptr;
    // The real-time view takes the form's controls out of use while it runs, and gives each back the
    // state it had before.
    void (*enterRealtimeView)() = nullptr;
    void (*leaveRealtimeView)() = nullptr;
};

extern NmeaHooks nmeaHooks;

} // namespace zor
