#include "nmea/incoming_view.h"

#include "link/converter_commands.h"
#include "link/exchange_owner.h"
#include "link/link_state.h"
#include "link/timed_job.h"
#include "nmea/incoming_sentences.h"
#include "nmea/sentence_picker.h"
#include "toolkit/layout.h"

namespace zor {
namespace {

constexpr std::uint32_t readingPeriodMs = 500;

struct IncomingView {
    bool active = false;
    bool paused = false;
    IncomingRows rows;
};

IncomingView view;

void setSelectionControlsEnabled(bool flag) {
    setEnabled(sentencePicker.selectorsGroup, flag);
    setEnabled(sentencePicker.clearButton, flag);
    setEnabled(sentencePicker.okButton, flag);
    setEnabled(sentencePicker.cancelButton, flag);
}

void titleRows() {
    sentencePicker.parametersGroup.setText(view.paused ? u"Incoming NMEA Sentences (paused)"
                                                       : u"Incoming NMEA Sentences");
}

void stopView() {
    KillJob(pickerWindow);
    ReleasePort(Exchange::IncomingView);
    sentencePicker.incomingButton.setText(u"View Incoming NMEA");
    view.active = false;
    setSelectionControlsEnabled(true);
    ShowParameterList(sentencePicker.pickedSentence - 1);
    StopStreaming();
}

void stopActiveView() {
    if (view.active) stopView();
}

void startView() {
    if (!MayGoAhead(UserAction::IncomingView)) return;
    HoldPort(Exchange::IncomingView, stopActiveView);
    ResetIncomingRows(view.rows);
    sentencePicker.incomingButton.setText(u"Hide Incoming NMEA");
    view.active = true;
    setSelectionControlsEnabled(false);
    ShowParameterList(-1); // every row empty on its own colour
    titleRows();
    StartStreaming();
    SetJob(pickerWindow, readingPeriodMs, IncomingReadingJob);
}

} // namespace

void ResetIncomingView() {
    view.active = false;
    view.paused = false;
    ResetIncomingRows(view.rows);
}

bool IncomingViewActive() {
    return view.active;
}

void IncomingButtonClicked(Widget&) {
    view.paused = false;
    if (view.active)
        stopView();
    else
        startView();
}

void ToggleIncomingPause() {
    view.paused = !view.paused;
    titleRows();
}

void IncomingReadingJob(Widget&) {
    if (!view.active || view.paused) return;
    const platform::PortResult read = ReadIntoReceiveBuffer();
    if (!read.ok()) return;
    const auto received = static_cast<std::int32_t>(read.count);
    if (ShowIncomingSentences(view.rows, reinterpret_cast<const char*>(ReceiveBuffer()), received) == 0)
        return;
    // The rows take their texts quietly; the group repaints them all at once.
    for (std::int32_t k = 0; k < pickerRowCount; ++k)
        if (sentencePicker.row[k].text != nullptr)
            sentencePicker.row[k].text->assign(view.rows.rows[k].c_str());
    repaint(sentencePicker.parametersGroup);
}

} // namespace zor
