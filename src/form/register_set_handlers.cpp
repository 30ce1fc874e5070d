#include "form/field_commit.h"
#include "form/form_display.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "link/exchange_owner.h"
#include "link/timed_job.h"
#include "nmea/sentence_catalogue.h"
#include "nmea/sentence_picker.h"
#include "toolkit/layout.h"

namespace zor {

namespace {

constexpr std::uint32_t statusResetMs = 500;

bool isSlot(std::int32_t j) {
    return j >= 0 && j < parameterSlotCount;
}

} // namespace

// What was typed into the set shown is taken first; a refused text keeps that set on screen.
void RegisterSetClicked(Widget& radio) {
    if (CommitFormFields())
        ShowRegisterSet(radio.tag);
    else
        mainForm.registerSets.setRadio[CurrentRegisterSet()].selectInGroup();
}

// The box still shows its state before the click.
void SlotClicked(Widget& slot) {
    if (!isSlot(slot.tag)) return;
    std::uint32_t& mask = formModel.parameterSelectMask[CurrentRegisterSet()];
    const std::uint32_t bit = 1u << slot.tag;
    if (!MayGoAhead(UserAction::ClickSetting)) return KeepCheckedAsRecord(slot, (mask & bit) != 0);
    if (slot.checked)
        mask &= ~bit;
    else
        mask |= bit;
}

void SlotEntered(Widget& slot) {
    SetStatusTitle(u"Parameter Information");
    const std::int32_t entry =
        Lookup(sentenceCatalogue, mainForm.sentence.sentenceIdField.caption(), slot.tag);
    if (entry < 0 || !isSlot(slot.tag)) {
        SetStatus(u"Parameter Undefined");
        return;
    }
    SetStatus(sentenceCatalogue.entries[entry].parameters[slot.tag].c_str());
}

void SlotMoved(Widget&) {
    KillJob(mainForm.sentence.parameterGroup);
}

void ParameterGroupLeft(Widget& group) {
    SetJob(group, statusResetMs, ParameterStatusResetJob);
}

// Once: a tick that went on repeating would also wipe the results of converter exchanges.
void ParameterStatusResetJob(Widget& group) {
    KillJob(group);
    SetStatusTitle(u"Status");
    SetStatus(u"");
}

void PickClicked(Widget&) {
    if (!CommitFormFields()) return;
    EnsureSentencePicker();
    show(pickerWindow);
    bringToFront(pickerWindow);
    // The picker enables the main window again when it closes.
    disableWindowOnly(mainForm.window);
}

} // namespace zor
