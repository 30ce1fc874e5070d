#include "form/field_commit.h"
#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
#include "image/ascii_text.h"
#include "image/value_rules.h"
#include "toolkit/layout.h"
#include "toolkit/widget_create.h"

namespace zor {

namespace {

constexpr std::int32_t subgroupHeight = 60;
constexpr std::int32_t fieldWidth = 170;

// A sub-group stacked below the previous one, 10 apart, taking its size.
void GroupBelow(Widget& parent, Widget& group, const char16_t* title, const Widget& above) {
    createGroupBox(parent, group, title, above.x, bottomOf(above, 10), above.width, above.height);
}

// A field centred in its group, 25 down.
// A field of the record: typed into, then taken when it is left.
void CentredField(Widget& group, Widget& field, const char16_t* text, WidgetCallback onChange) {
    createTextField(group, field, text, halfDifference(group.width, fieldWidth), 25, fieldWidth, 25, 0,
                    onChange);
    field.onEditDone = FieldLeft;
}

// One radio per threshold function, tagged with its number and captioned with its symbol, in no radio
// group (their handler keeps them exclusive). "=" is never offered: it stays hidden and disabled, and
// "<=" takes its place.
void BuildThresholdFunctions(ControlOutputPanel& panel) {
    Widget* radios = panel.thresholdFunctionRadio;
    std::u16string captions[thresholdFunctionCount];
    for (std::int32_t t = 0; t < thresholdFunctionCount; ++t)
        captions[t] = WideAscii(thresholdFunctionSymbols[static_cast<std::size_t>(t)]);
    createRadioButton(panel.thresholdFunctionGroup, radios[0], captions[0].c_str(), 5, 25, 45, 25,
                      ThresholdFunctionClicked);
    createRadioButton(panel.thresholdFunctionGroup, radios[1], captions[1].c_str(), rightOf(radios[0], 10),
                      25, 45, 25, ThresholdFunctionClicked);
    createRadioButton(panel.thresholdFunctionGroup, radios[2], captions[2].c_str(), rightOf(radios[1], 10),
                      25, 45, 25, ThresholdFunctionClicked);
    createRadioButton(panel.thresholdFunctionGroup, radios[3], captions[3].c_str(), rightOf(radios[1], 10),
                      25, 45, 25, ThresholdFunctionClicked);
    createRadioButton(panel.thresholdFunctionGroup, radios[4], captions[4].c_str(), rightOf(radios[3], 10),
                      25, 45, 25, ThresholdFunctionClicked);
    for (std::int32_t t = 0; t < thresholdFunctionCount; ++t)
        radios[t].setTag(t);
    hide(radios[2]);
    setEnabled(radios[2], false);
}

} // namespace

void BuildControlOutputPanel() {
    ControlOutputPanel& panel = mainForm.controlOutput;
    const Widget& sentence = mainForm.sentence.sentenceIdGroup;
    createGroupBox(mainForm.window, panel.group, u"Control Output Parameters", rightOf(sentence, 20),
                   sentence.y, 250, 440);
    Widget& group = panel.group;
    const std::int32_t innerWidth = group.width - 10;

    createGroupBox(group, panel.monitoredGroup, monitoredParameterRule.field, 5, 25, innerWidth,
                   subgroupHeight);
    CentredField(panel.monitoredGroup, panel.monitoredField, u"0", FieldEdited);

    GroupBelow(group, panel.thresholdFunctionGroup, u"Threshold Function", panel.monitoredGroup);
    BuildThresholdFunctions(panel);

    GroupBelow(group, panel.thresholdGroup, thresholdLabel, panel.thresholdFunctionGroup);
    CentredField(panel.thresholdGroup, panel.thresholdField, u"", FieldEdited);

    GroupBelow(group, panel.hysteresisGroup, hysteresisLabel, panel.thresholdGroup);
    CentredField(panel.hysteresisGroup, panel.hysteresisField, u"", FieldEdited);

    GroupBelow(group, panel.outputStateGroup, u"Triggered Output State", panel.hysteresisGroup);
    createButton(panel.outputStateGroup, panel.outputStateButton, u"ON",
                 halfDifference(panel.outputStateGroup.width, 120), 25, 120, 25, OutputStateClicked);

    createCheckBox(group, panel.reflectBox, u"Reflect Output in RS422 TX LED", 5,
                   bottomOf(panel.outputStateGroup, 10), innerWidth, 25, ReflectClicked);
    createCheckBox(group, panel.averagingBox, u"Enable Averaging", panel.reflectBox.x,
                   bottomOf(panel.reflectBox, 5), panel.reflectBox.width, 25, EnableAveragingClicked);
}

void BuildAveragingPanel() {
    AveragingPanel& panel = mainForm.averaging;
    const Widget& output = mainForm.controlOutput.group;
    createGroupBox(mainForm.window, panel.group, u"Averaging", rightOf(output, 5), output.y, 290, 170);
    createGroupBox(panel.group, panel.periodGroup, averagingPeriodRule.field, 5, 25, 280, subgroupHeight);
    CentredField(panel.periodGroup, panel.periodField, u"0", FieldEdited);
    GroupBelow(panel.group, panel.sampleRateGroup, sampleRateRule.field, panel.periodGroup);
    CentredField(panel.sampleRateGroup, panel.sampleRateField, u"0", FieldEdited);
    setEnabled(panel.group, false);
}

} // namespace zor
