#include "form/averaging_rules.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "image/value_rules.h"
#include "platform/dialogs.h"
#include "toolkit/layout.h"

namespace zor {

namespace {

// The warning, then the corrected value written back without running the field's handler again.
void ShowAveragingWarning(Widget& field, const AveragingWarning& warning) {
    if (!warning.shown) return;
    platform::messageBox(mainForm.window.window, warning.text, warning.title, platform::box::IconWarning);
    const bool events = toolkit.eventsEnabled;
    toolkit.eventsEnabled = false;
    field.setTextInt(warning.fieldValue);
    toolkit.eventsEnabled = events;
}

} // namespace

void MonitoredParameterChanged(Widget& field) {
    formModel.monitoredParameter[CurrentRegisterSet()] = leadingInt(field.caption());
}

void ThresholdChanged(Widget& field) {
    formModel.threshold[CurrentRegisterSet()] = LeadingDecimal(field.caption());
}

void HysteresisChanged(Widget& field) {
    formModel.hysteresis[CurrentRegisterSet()] = LeadingDecimal(field.caption());
}

// The five radios belong to no group: this keeps exactly one selected.
void ThresholdFunctionClicked(Widget& radio) {
    ControlOutputPanel& panel = mainForm.controlOutput;
    for (Widget& each : panel.thresholdFunctionRadio)
        each.checked = false;
    radio.checked = true;
    formModel.thresholdFunction[CurrentRegisterSet()] = radio.tag;
    repaint(panel.thresholdFunctionGroup);
}

void OutputStateClicked(Widget& button) {
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
    formModel.reflectOutputInLed = box.checked ? 0 : 1;
}

void EnableAveragingClicked(Widget& box) {
    formModel.averagingEnabled() = box.checked ? 0 : 1;
    setEnabled(mainForm.averaging.group, formModel.averagingEnabled() == 1);
}

// Each keystroke stores the value; the buffer length is checked once the user is done with the field,
// so that a warning never interrupts a number half typed ("1" on the way to "100").
void AveragingPeriodFieldChanged(Widget& field) {
    mainForm.averaging.periodUnchecked = AveragingPeriodTyped(formModel, field.caption());
}

void SampleRateFieldChanged(Widget& field) {
    mainForm.averaging.sampleRateUnchecked = SampleRateTyped(formModel, field.caption());
}

void AveragingPeriodFieldDone(Widget& field) {
    AveragingPanel& panel = mainForm.averaging;
    if (!panel.periodUnchecked) return;
    panel.periodUnchecked = false; // before the box, whose focus change leaves the field again
    ShowAveragingWarning(field, AveragingPeriodChecked(formModel));
}

void SampleRateFieldDone(Widget& field) {
    AveragingPanel& panel = mainForm.averaging;
    if (!panel.sampleRateUnchecked) return;
    panel.sampleRateUnchecked = false;
    ShowAveragingWarning(field, SampleRateChecked(formModel));
}

void CheckAveragingFields() {
    AveragingPeriodFieldDone(mainForm.averaging.periodField);
    SampleRateFieldDone(mainForm.averaging.sampleRateField);
}

} // namespace zor
