#include "form/field_commit.h"
#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
#include "toolkit/layout.h"
#include "toolkit/widget_create.h"

namespace zor {

namespace {

constexpr std::int32_t slotsPerColumn = 8;

void BuildSentenceIdGroup(SentencePanel& panel) {
    const Widget& sets = mainForm.registerSets.group;
    createGroupBox(mainForm.window, panel.sentenceIdGroup, u"NMEA Sentence ID", rightOf(sets, 20), sets.y,
                   250, 60);
    createTextField(panel.sentenceIdGroup, panel.sentenceIdField, u"", 10, 25, 170, 25, 0, FieldEdited);
    panel.sentenceIdField.onEditDone = FieldLeft;
    createButton(panel.sentenceIdGroup, panel.pickButton, u"Pick", rightOf(panel.sentenceIdField, 5),
                 panel.sentenceIdField.y, 50, 25, PickClicked);
}

// Four columns of eight, numbered down each column; slot j is captioned j + 1.
void BuildSlots(SentencePanel& panel) {
    for (std::int32_t j = 0; j < parameterSlotCount; ++j) {
        WideText caption;
        caption.assignInt(j + 1);
        Widget& slot = createCheckBox(panel.parameterGroup, panel.slot[j], caption.c_str(),
                                      (j / slotsPerColumn) * 50 + 25, (j % slotsPerColumn) * 25 + 25, 50, 25,
                                      SlotClicked);
        slot.setTag(j);
        slot.onMouseEnter = SlotEntered;
        slot.onMouseMove = SlotMoved;
        // The right click (the real-time view of the slot) is attached by app/wiring.cpp.
    }
}

} // namespace

void BuildSentencePanel() {
    SentencePanel& panel = mainForm.sentence;
    BuildSentenceIdGroup(panel);
    const Widget& above = panel.sentenceIdGroup;
    createGroupBox(mainForm.window, panel.parameterGroup, u"NMEA to SDI12 Parameter Select", above.x,
                   bottomOf(above, 10), 250, 250);
    panel.parameterGroup.onMouseLeave = ParameterGroupLeft;
    panel.parameterGroup.onTimer = ParameterStatusResetJob;
    BuildSlots(panel);
}

} // namespace zor
