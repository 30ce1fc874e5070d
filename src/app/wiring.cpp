#include "app/wiring.h"

#include "form/form_model.h"
#include "form/main_form.h"
#include "form/realtime_view_widgets.h"
#include "form/take_picked_sentence.h"
#include "link/link_state.h"
#include "nmea/nmea_hooks.h"
#include "nmea/realtime_view.h"

namespace zor {

void WireSubsystems() {
    converterLink.widgets.mainWindow = &mainForm.window;
    converterLink.widgets.portLabel = &mainForm.commPort.portLabel;
    converterLink.widgets.rescanButton = &mainForm.commPort.rescanButton;
    converterLink.widgets.statusLine = &mainForm.status.line;
    converterLink.widgets.statusBox = &mainForm.status.box;

    nmeaHooks.takePickedSentence = TakePickedSentence;
    nmeaHooks.currentSentenceId = CurrentSentenceId;
    nmeaHooks.viewedParameter = &formModel.viewedParameter;
    nmeaHooks.enterRealtimeView = EnterRealtimeViewWidgets;
    nmeaHooks.leaveRealtimeView = LeaveRealtimeViewWidgets;
}

void AttachNmeaHandlers() {
    for (Widget& slot : mainForm.sentence.slot)
        slot.onRightClick = StartRealtimeView;
    mainForm.status.box.onClick = StopRealtimeView;
    mainForm.status.line.onClick = StopRealtimeView;
}

} // namespace zor
