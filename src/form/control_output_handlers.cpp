#include "form/form_display.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "link/exchange_owner.h"
#include "toolkit/layout.h"

namespace zor {

// The five radios belong to no group: this keeps exactly one selected. A refused click selects nothing.
void ThresholdFunctionClicked(Widget& radio) {
    if (!MayGoAhead(UserAction::ClickSetting)) return;
    ControlOutputPanel& panel = mainForm.controlOutput;
    for (Widget& each : panel.thresholdFunctionRadio)
        each.checked = false;
    radio.checked = true;
    formModel.thresholdFunction[CurrentRegisterSet()] = radio.tag;
    repaint(panel.thresholdFunctionGroup);
}

void OutputStateClicked(Widget& button) {
    if (!MayGoAhead(UserAction::ClickSetting)) return;
    if (formModel.triggeredOutputOn != 0) {
        formModel.triggeredOutputOn = 0;
        button.setText(u"OFF");
    } else {
        formModel.triggeredOutputOn = 1;
        button.setText(u"ON");
    }
}

// Both boxes still show their state before the click.
void ReflectClicked(Widget& box) {
    if (!MayGoAhead(UserAction::ClickSetting)) return KeepCheckedAsRecord(box, formModel.reflectOutputInLed);
    formModel.reflectOutputInLed = box.checked ? 0 : 1;
}

void EnableAveragingClicked(Widget& box) {
    if (!MayGoAhead(UserAction::ClickSetting))
        return KeepCheckedAsRecord(box, formModel.averagingEnabled() != 0);
    formModel.averagingEnabled() = box.checked ? 0 : 1;
    setEnabled(mainForm.averaging.group, formModel.averagingEnabled() == 1);
}

} // namespace zor
