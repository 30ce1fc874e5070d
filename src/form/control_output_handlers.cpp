#include "form/averaging_rules.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "platform/dialogs.h"
#include "toolkit/layout.h"

#include <cstdlib>
#include <string>

namespace zor {

namespace {

// The text read as a decimal floating-point number: leading blanks, then as much of a number as there
// is; 0 when there is none.
float FloatOf(const char16_t* text) {
    std::string narrow;
    for (const char16_t* c = text; *c != 0 && *c < 0x80; ++c)
        narrow.push_back(static_cast<char>(*c));
    return static_cast<float>(std::strtod(narrow.c_str(), nullptr));
}

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
    formModel.threshold[CurrentRegisterSet()] = FloatOf(field.caption());
}

void HysteresisChanged(Widget& field) {
    formModel.hysteresis[CurrentRegisterSet()] = FloatOf(field.caption());
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

void AveragingPeriodFieldChanged(Widget& field) {
    ShowAveragingWarning(field, AveragingPeriodChanged(formModel, field.caption()));
}

void SampleRateFieldChanged(Widget& field) {
    ShowAveragingWarning(field, SampleRateChanged(formModel, field.caption()));
}

} // namespace zor
