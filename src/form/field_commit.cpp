#include "form/field_commit.h"

#include "form/averaging_rules.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "image/image_build.h"
#include "image/value_rules.h"
#include "platform/dialogs.h"
#include "platform/window.h"
#include "toolkit/layout.h"

#include <algorithm>

namespace zor {
namespace {

bool listed(const std::vector<const Widget*>& list, const Widget& field) {
    return std::find(list.begin(), list.end(), &field) != list.end();
}

void unlist(std::vector<const Widget*>& list, const Widget& field) {
    list.erase(std::remove(list.begin(), list.end(), &field), list.end());
}

// A text not entered shows it: the field's background light red until the text changes or the record
// is shown in it again; then the background of the group around it, whose colours it was given.
constexpr Argb notEnteredBackground = 0xFFFFE0E0;

void markNotEntered(const Widget& shown, bool on) {
    Widget& field = const_cast<Widget&>(shown);
    const Widget* group = Widget::fromWindow(platform::parentWindow(field.window));
    field.ctebg = on ? notEnteredBackground : (group != nullptr ? group->ctebg : field.ctebg);
    if (field.editWindow != nullptr) platform::invalidate(field.editWindow, true);
}

void entered(const Widget& field) {
    if (listed(mainForm.notEnteredFields, field)) markNotEntered(field, false);
    unlist(mainForm.notEnteredFields, field);
}

bool edited(const Widget& field) {
    return listed(mainForm.editedFields, field);
}

void forget(const Widget& field) {
    unlist(mainForm.editedFields, field);
    entered(field);
}

// The field shows a value without its handlers running: the program's own write is not typing.
void showQuietly(Widget& field, std::int32_t value) {
    const bool events = toolkit.eventsEnabled;
    toolkit.eventsEnabled = false;
    field.setTextInt(value);
    toolkit.eventsEnabled = events;
}

// How a refused text is told.
enum class Refusal {
    OnceWhenLeft, // the box, unless this text was refused before: leaving it again is no new mistake
    Again,        // the box, also for a text refused before: the action would carry it
    Quietly,      // no box: the action drops the text
};

// A refused text: the box, then the field has the focus again, its text as typed.
void refuse(Widget& field, const CheckFailure& failure) {
    platform::messageBox(mainForm.window.window, failure.message.c_str(), checkFailureTitle,
                         platform::box::IconError);
    focusTextField(field, true);
}

// A press on "Send Settings" or "Save Config" that left the field lost its release to the warning box: it
// goes on as the click it was, with the corrected value.
void finishPressedClick() {
    for (Widget* button : {&mainForm.commands.sendButton, &mainForm.commands.saveButton}) {
        if (!button->leftDown) continue;
        button->leftDown = false;
        repaint(*button);
        if (button->onClick != nullptr) button->onClick(*button);
        return;
    }
}

// The averaging rule of a period or sample rate just taken: the warning box, then the corrected value in
// the field. A warning corrects, it does not refuse: the click that left the field goes on.
void warnIfCorrected(Widget& field, const AveragingWarning& warning) {
    if (!warning.shown) return;
    platform::messageBox(mainForm.window.window, warning.text, warning.title, platform::box::IconWarning);
    showQuietly(field, warning.fieldValue);
    mainForm.correctedByWarning = true;
}

// The failure of the field's text, or step 0 once the record holds it.
CheckFailure take(Widget& field) {
    const char16_t* text = field.caption();
    const std::int32_t set = CurrentRegisterSet();
    ControlOutputPanel& output = mainForm.controlOutput;
    AveragingPanel& averaging = mainForm.averaging;
    if (&field == &output.monitoredField) {
        CheckFailure failure = CheckWholeNumberText(text, monitoredParameterRule, InRegisterSet(set));
        if (failure.step == 0) formModel.monitoredParameter[set] = FieldNumber(text);
        return failure;
    }
    if (&field == &output.thresholdField || &field == &output.hysteresisField) {
        const bool threshold = &field == &output.thresholdField;
        CheckFailure failure =
            CheckDecimalText(text, formModel.thresholdDecimals, threshold ? thresholdLabel : hysteresisLabel,
                             InRegisterSet(set));
        if (failure.step != 0) return failure;
        const float value = DecimalFieldValue(text).value_or(0.0f);
        (threshold ? formModel.threshold : formModel.hysteresis)[set] = value;
        return {};
    }
    if (&field == &averaging.periodField || &field == &averaging.sampleRateField) {
        const bool period = &field == &averaging.periodField;
        CheckFailure failure = CheckWholeNumberText(text, period ? averagingPeriodRule : sampleRateRule, {});
        if (failure.step != 0) return failure;
        forget(field); // before the box, whose focus change leaves the field again
        warnIfCorrected(field, period ? AveragingPeriodChanged(formModel, text)
                                      : SampleRateChanged(formModel, text));
        return {};
    }
    if (&field == &mainForm.modbusSerial.timeoutField) {
        CheckFailure failure = CheckWholeNumberText(text, modbusTimeoutRule, {});
        if (failure.step == 0) formModel.modbusTimeout = text;
        return failure;
    }
    if (&field == &mainForm.sentence.sentenceIdField) {
        formModel.sentenceId[set] = text; // checked with the others when settings go out
        return {};
    }
    if (&field == &mainForm.identity.addressField) {
        formModel.address = text; // checked with the serial number when settings go out
        return {};
    }
    if (&field == &mainForm.identity.serialNumberField) {
        formModel.serialNumber = text;
        return {};
    }
    const RegisterSetPanel& table = mainForm.registerSets;
    for (std::int32_t c = 0; c < modbusColumnCount; ++c)
        for (std::int32_t row = 0; row < modbusRowCount; ++row)
            if (&field == &(table.*modbusCellColumns[c])[row]) {
                CheckFailure failure = CheckWholeNumberText(text, *modbusColumns[c].rule, InRow(row));
                if (failure.step == 0) formModel.modbusCells[c][row] = text;
                return failure;
            }
    return {};
}

bool commit(Widget& field, Refusal refusal) {
    if (mainForm.committing || !edited(field)) return true;
    const bool refusedBefore = listed(mainForm.notEnteredFields, field);
    if (refusedBefore && refusal != Refusal::Again) return false;
    mainForm.committing = true;
    const CheckFailure failure = take(field);
    if (failure.step == 0) {
        forget(field);
    } else {
        if (!refusedBefore) {
            mainForm.notEnteredFields.push_back(&field);
            markNotEntered(field, true);
        }
        if (refusal != Refusal::Quietly) refuse(field, failure);
    }
    mainForm.committing = false;
    if (mainForm.correctedByWarning) {
        mainForm.correctedByWarning = false;
        finishPressedClick();
    }
    return failure.step == 0;
}

} // namespace

void FieldEdited(Widget& field) {
    if (!edited(field)) mainForm.editedFields.push_back(&field);
    entered(field); // a new text, checked when the field is left
}

void FieldLeft(Widget& field) {
    (void)commit(field, Refusal::OnceWhenLeft);
}

bool CommitFormFields() {
    // A copy: each commit takes its field off the list.
    const std::vector<const Widget*> pending = mainForm.editedFields;
    for (const Widget* field : pending)
        if (!commit(const_cast<Widget&>(*field), Refusal::Again)) return false;
    return true;
}

std::int32_t TakeFormFieldsQuietly() {
    const std::vector<const Widget*> pending = mainForm.editedFields;
    for (const Widget* field : pending)
        (void)commit(const_cast<Widget&>(*field), Refusal::Quietly);
    return static_cast<std::int32_t>(mainForm.notEnteredFields.size());
}

std::vector<NotEnteredText> NotEnteredTexts() {
    std::vector<NotEnteredText> texts;
    for (const Widget* field : mainForm.notEnteredFields) {
        // Named as the group box around it names it.
        const Widget* group = Widget::fromWindow(platform::parentWindow(field->window));
        texts.push_back({group != nullptr ? group->caption() : u"", field->caption()});
    }
    return texts;
}

void ForgetFieldEdits() {
    mainForm.editedFields.clear();
    for (const Widget* field : std::vector<const Widget*>(mainForm.notEnteredFields))
        entered(*field);
}

void ForgetFieldEdit(const Widget& field) {
    forget(field);
}

} // namespace zor
