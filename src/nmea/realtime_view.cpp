#include "nmea/realtime_view.h"

#include "link/converter_commands.h"
#include "link/exchange_owner.h"
#include "link/link_state.h"
#include "link/timed_job.h"
#include "nmea/nmea_hooks.h"
#include "nmea/parameter_field.h"
#include "platform/dialogs.h"
#include "toolkit/text_buffer.h"

namespace zor {
namespace {

constexpr std::uint32_t viewPeriodMs = 100;
constexpr std::uint32_t flashMs = 95;

// The sentence the last read ended in, still without its line end: where it starts and where the
// read's data end. Its rest comes with the next read, so it is kept in front of it.
struct UnfinishedSentence {
    std::int32_t start = -1;
    std::int32_t end = 0;
};
UnfinishedSentence unfinished;

void EndValueFlashJob(Widget& line) {
    KillJob(line);
    line.ctebg = valueRestColour;
    repaint(line);
}

void showValue(const char16_t* text) {
    Widget* line = LinkStatusLine();
    if (line == nullptr) return;
    line->setText(text);
    line->ctebg = valueFlashColour;
    repaint(*line);
    SetJob(*line, flashMs, EndValueFlashJob);
}

void rearm(Widget& mainWindow) {
    SetJob(mainWindow, viewPeriodMs, RealtimeViewJob);
}

void stopView() {
    if (FormViewedParameter() < 0) return;
    if (Widget* mainWindow = LinkMainWindow()) KillJob(*mainWindow);
    FormSetViewedParameter(-1);
    ReleasePort(Exchange::RealtimeView);
    FormLeaveRealtimeView();
    StopStreaming();
    ShowLinkStatus(u"OK");
}

} // namespace

void SlotRightClicked(Widget& slot) {
    Widget* mainWindow = LinkMainWindow();
    if (mainWindow == nullptr) return;
    // The form's controls are out of use while the view runs, so a second start cannot come.
    if (FormViewedParameter() > 0) return;
    if (!MayGoAhead(UserAction::RealtimeView)) return;
    if (textLength(FormCurrentSentenceId()) != sentenceIdLength) {
        platform::messageBox(mainWindow->window, u"NMEA Sentence ID must be 5 characters", u"Error",
                             platform::box::IconError);
        return;
    }
    FormSetViewedParameter(slot.tag + 1);
    FormEnterRealtimeView();
    ResetRealtimeView();
    HoldPort(Exchange::RealtimeView, stopView);
    StartStreaming();
    rearm(*mainWindow);
}

void StatusClicked(Widget&) {
    stopView();
}

void RealtimeViewJob(Widget& mainWindow) {
    KillJob(mainWindow);
    const std::int32_t n = FormViewedParameter();
    if (n < 1) return;
    const std::int32_t kept = unfinished.start >= 0 ? unfinished.end - unfinished.start : 0;
    const platform::PortResult read = ReadIntoReceiveBufferKeeping(unfinished.start, unfinished.end);
    unfinished = {};
    if (read.ok()) {
        const char* data = reinterpret_cast<const char*>(ReceiveBuffer());
        const auto received = kept + static_cast<std::int32_t>(read.count);
        const char16_t* id = FormCurrentSentenceId();
        const ParameterField field = FindParameterField(data, received, id, n);
        if (field.found) showValue(ParameterValueText(sentenceCatalogue, id, n, data, field).c_str());
        unfinished = {UnfinishedSentenceStart(data, received), received};
    }
    rearm(mainWindow);
}

void ResetRealtimeView() {
    unfinished = {};
}

} // namespace zor
