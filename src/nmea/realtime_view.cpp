#include "nmea/realtime_view.h"

#include "link/converter_commands.h"
#include "link/exchange_owner.h"
#include "link/link_state.h"
#include "link/timed_job.h"
#include "nmea/nmea_hooks.h"
#include "nmea/parameter_field.h"
#include "platform/dialogs.h"
#include "toolkit/text_buffer.h"

#include <cstring>

namespace zor {
namespace {

constexpr std::uint32_t viewPeriodMs = 100;
constexpr std::uint32_t flashMs = 95;

std::int32_t viewed() {
    return nmeaHooks.viewedParameter != nullptr ? *nmeaHooks.viewedParameter : -1;
}

void setViewed(std::int32_t n) {
    if (nmeaHooks.viewedParameter != nullptr) *nmeaHooks.viewedParameter = n;
}

const char16_t* sentenceId() {
    const char16_t* id = nmeaHooks.currentSentenceId != nullptr ? nmeaHooks.currentSentenceId() : nullptr;
    return id != nullptr ? id : u"";
}

void endFlash(Widget& line) {
    KillJob(line);
    line.ctebg = valueRestColour;
    repaint(line);
}

void showValue(const char16_t* text) {
    Widget* line = converterLink.widgets.statusLine;
    if (line == nullptr) return;
    line->setText(text);
    line->ctebg = valueFlashColour;
    repaint(*line);
    SetJob(*line, flashMs, endFlash);
}

void rearm(Widget& mainWindow) {
    SetJob(mainWindow, viewPeriodMs, RealtimeViewJob);
}

void stopView() {
    if (viewed() < 0) return;
    const LinkWidgets& widgets = converterLink.widgets;
    if (widgets.mainWindow != nullptr) KillJob(*widgets.mainWindow);
    setViewed(-1);
    ReleasePort(Exchange::RealtimeView);
    if (nmeaHooks.leaveRealtimeView != nullptr) nmeaHooks.leaveRealtimeView();
    StopStreaming();
    ShowLinkStatus(u"OK");
}

} // namespace

void StartRealtimeView(Widget& slot) {
    const LinkWidgets& widgets = converterLink.widgets;
    if (widgets.mainWindow == nullptr) return;
    // The form's controls are out of use while the view runs, so a second start cannot come.
    if (viewed() > 0) return;
    if (!MayGoAhead(UserAction::RealtimeView)) return;
    if (textLength(sentenceId()) != sentenceIdLength) {
        platform::messageBox(widgets.mainWindow->window, u"NMEA Sentence ID must be 5 characters", u"Error",
                             platform::box::IconError);
        return;
    }
    setViewed(slot.tag + 1);
    if (nmeaHooks.enterRealtimeView != nullptr) nmeaHooks.enterRealtimeView();
    HoldPort(Exchange::RealtimeView, stopView);
    StartStreaming();
    rearm(*widgets.mainWindow);
}

void StopRealtimeView(Widget&) {
    stopView();
}

void RealtimeViewJob(Widget& mainWindow) {
    KillJob(mainWindow);
    const std::int32_t n = viewed();
    if (n < 1) return;
    std::uint8_t* buffer = converterLink.receiveBuffer;
    std::memset(buffer, 0, sizeof converterLink.receiveBuffer);
    const platform::PortResult read =
        platform::readPort(converterLink.portHandle, buffer, sizeof converterLink.receiveBuffer);
    if (read.ok()) {
        const char* data = reinterpret_cast<const char*>(buffer);
        const auto received = static_cast<std::int32_t>(read.count);
        const char16_t* id = sentenceId();
        const ParameterField field = FindParameterField(data, received, id, n);
        if (field.found) showValue(ParameterValueText(sentenceCatalogue, id, n, data, field).c_str());
    }
    rearm(mainWindow);
}

} // namespace zor
