#include "form/form_display.h"

#include "form/converter_state_display.h"
#include "form/field_commit.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "form/register_set_display.h"
#include "toolkit/layout.h"

namespace zor {

void SetStatus(const char16_t* text) {
    mainForm.status.line.setText(text);
}

void SetStatusTitle(const char16_t* title) {
    mainForm.status.box.setText(title);
}

void ShowConverterState() {
    const ConverterStateView view = ConverterStateDisplay(formModel.converterStateFlags);
    ConverterStatePanel& panel = mainForm.converterState;
    for (std::int32_t i = 0; i < indicatorCount; ++i) {
        panel.light[i].ctsd = view.lights[i].colour;
        panel.blinking[i] = view.lights[i].blinking;
    }
    setEnabled(mainForm.controlOutput.group, view.controlOutputEnabled);
    if (view.averagingDisabled) setEnabled(mainForm.averaging.group, false);
    repaint(panel.group);
}

void ClearIndicatorBlinks() {
    for (bool& mark : mainForm.converterState.blinking)
        mark = false;
}

void BlinkLightsJob(Widget& group) {
    ConverterStatePanel& panel = mainForm.converterState;
    std::array<IndicatorLight, indicatorCount> lights{};
    for (std::int32_t i = 0; i < indicatorCount; ++i)
        lights[i] = {panel.light[i].ctsd, panel.blinking[i]};
    BlinkTick(lights, group.ctbg);
    for (std::int32_t i = 0; i < indicatorCount; ++i)
        panel.light[i].ctsd = lights[i].colour;
    repaint(panel.group);
}

void ShowRegisterSet(std::int32_t k) {
    const RegisterSetView view = PrepareRegisterSetDisplay(formModel, k);
    mainForm.registerSets.setRadio[view.registerSet].selectInGroup();

    // Showing is not typing: what these writes mark as typed is forgotten below.
    SentencePanel& sentence = mainForm.sentence;
    sentence.sentenceIdField.setText(view.sentenceId.c_str());
    for (std::int32_t j = 0; j < parameterSlotCount; ++j)
        sentence.slot[j].setChecked((view.selectedSlots >> j & 1u) != 0);

    ControlOutputPanel& output = mainForm.controlOutput;
    output.thresholdField.setText(view.thresholdText.c_str());
    // A function outside 0..4 (a negative one from a file) selects none.
    for (Widget& radio : output.thresholdFunctionRadio)
        radio.setChecked(radio.tag == view.thresholdFunction);
    output.monitoredField.setText(view.monitoredParameterText.c_str());
    output.hysteresisField.setText(view.hysteresisText.c_str());
    output.outputStateButton.setText(view.outputCaption);
    output.reflectBox.setChecked(view.reflectOutputChecked);

    AveragingPanel& averaging = mainForm.averaging;
    averaging.periodField.setText(view.averagingPeriodText.c_str());
    averaging.sampleRateField.setText(view.sampleRateText.c_str());
    for (const Widget* field : {&sentence.sentenceIdField, &output.monitoredField, &output.thresholdField,
                                &output.hysteresisField, &averaging.periodField, &averaging.sampleRateField})
        ForgetFieldEdit(*field);
    output.averagingBox.setChecked(view.averagingChecked);
    setEnabled(averaging.group, view.averagingGroupEnabled);

    ShowConverterState();
    repaint(mainForm.window);
}

void ShowMainFunction() {
    for (const MainFunction function : allMainFunctions)
        MainFunctionRadio(function).setChecked(formModel.mainFunction == function);
}

void KeepCheckedAsRecord(Widget& box, bool recordChecked) {
    box.checked = !recordChecked;
}

void ShowRecord() {
    mainForm.identity.addressField.setText(formModel.address.c_str());
    mainForm.identity.serialNumberField.setText(formModel.serialNumber.c_str());
    RegisterSetPanel& table = mainForm.registerSets;
    for (std::int32_t row = 0; row < modbusRowCount; ++row)
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            (table.*modbusCellColumns[c])[row].setText(formModel.modbusCells[c][row].c_str());
    mainForm.modbusSerial.timeoutField.setText(formModel.modbusTimeout.c_str());
    for (Widget& radio : mainForm.modbusSerial.baudRadio)
        radio.setChecked(radio.tag == formModel.modbusBaudIndex);
    ShowMainFunction();
    ShowRegisterSet(formModel.currentRegisterSet);
    ForgetFieldEdits();
}

} // namespace zor
