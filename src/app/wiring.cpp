#include "app/wiring.h"

#include "form/close_request.h"

#include "form/apply_reply.h"
#include "form/exchange_buttons.h"
#include "form/form_display.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/realtime_view_widgets.h"
#include "form/take_picked_sentence.h"
#include "form/unsent_question.h"
#include "link/converter_commands.h"
#include "link/exchange_owner.h"
#include "link/link_hooks.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "nmea/nmea_hooks.h"
#include "nmea/realtime_view.h"

namespace zor {

void WireSubsystems() {
    converterLink.widgets.mainWindow = &mainForm.window;
    converterLink.widgets.portLabel = &mainForm.commPort.portLabel;
    converterLink.widgets.rescanButton = &mainForm.commPort.rescanButton;
    converterLink.widgets.statusLine = &mainForm.status.line;
    converterLink.widgets.firmwareDisabledSet = {
        &mainForm.commands.readButton, &mainForm.commands.restartButton, &mainForm.commands.testLedsButton,
        &mainForm.commands.saveButton, &mainForm.commands.openButton,    &mainForm.commands.sendButton,
        &mainForm.sentence.pickButton, &mainForm.commPort.rescanButton};
    linkHooks.clearIndicatorBlinks = ClearIndicatorBlinks;
    linkHooks.applyReply = ApplyReplyToForm;
    linkHooks.sendChecked = SendChecked;

    nmeaHooks.takePickedSentence = TakePickedSentence;
    nmeaHooks.currentSentenceId = CurrentSentenceId;
    nmeaHooks.viewedParameter = &formModel.viewedParameter;
    nmeaHooks.enterRealtimeView = EnterRealtimeViewWidgets;
    nmeaHooks.leaveRealtimeView = LeaveRealtimeViewWidgets;
}

void AttachHandlers() {
    CommandPanel& commands = mainForm.commands;
    commands.readButton.onClick = ReadSettingsClicked;
    commands.sendButton.onClick = SendSettingsClicked;
    commands.saveButton.onClick = SaveConfigClicked;
    commands.openButton.onClick = OpenConfigClicked;
    commands.restartButton.onClick = RestartConverterClicked;
    commands.testLedsButton.onClick = TestLedsClicked;
    mainForm.commPort.rescanButton.onClick = RescanPortsClicked;
    mainForm.window.onCloseRequest = MainFormCloseRequested;

    for (Widget& slot : mainForm.sentence.slot)
        slot.onRightClick = SlotRightClicked;
    mainForm.status.box.onClick = StatusClicked;
    mainForm.status.line.onClick = StatusClicked;

    toolkit.exitHook = CloseLinkPort;
    toolkit.mayTypeIntoField = [](Widget&) { return MayGoAhead(UserAction::TypeIntoField); };
    toolkit.afterInput = ShowUnsentMark;
}

} // namespace zor
