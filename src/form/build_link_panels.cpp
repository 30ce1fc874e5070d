#include "form/converter_state_display.h"
#include "form/field_commit.h"
#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
#include "image/ascii_text.h"
#include "image/value_rules.h"
#include "link/timed_job.h"
#include "toolkit/decimal_text.h"
#include "toolkit/layout.h"
#include "toolkit/widget_create.h"

namespace zor {

namespace {

constexpr std::uint32_t blinkPeriodMs = 300;

struct LightPlace {
    const char16_t* caption;
    std::int32_t x, y;
};

// By bit of converterStateFlags; the eighth has no bit and stays hidden.
constexpr LightPlace lightPlaces[indicatorLightCount] = {
    {u"IO", 5, 20},
    {u"EEPROM Read", 5, 43},
    {u"Output Monitor", 5, 66},
    {u"SDI12 Port", 5, 88},
    {u"SDI12 Service", 150, 20},
    {u"RS422 Port", 150, 43},
    {u"EEPROM Write", 150, 66},
    {u"(undefined)", 150, 88},
};

// A light is a disabled, selected radio whose selection mark shows its colour; its border and text keep
// the normal colours so that it does not look greyed, and copying colours from a parent leaves it alone.
void BuildLight(Widget& group, Widget& light, const LightPlace& place) {
    createRadioButton(group, light, place.caption, place.x, place.y, 140, 25, nullptr);
    light.checked = true;
    setEnabled(light, false);
    light.ctsd = indicatorGreen;
    light.ctbd = light.ctbn;
    light.cttd = light.cttn;
    light.styleLocked = true;
}

} // namespace

void BuildCommPortPanel() {
    CommPortPanel& panel = mainForm.commPort;
    const Widget& averaging = mainForm.averaging.group;
    createGroupBox(mainForm.window, panel.group, u"Comm Port", averaging.x, bottomOf(averaging, 5),
                   averaging.width, 60);
    createLabel(panel.group, panel.portLabel, u"---", 15, 25, 100, 25, true, 1, 1);
    panel.portLabel.fieldLook = true;
    // Tag 0: not scanning. app/wiring.cpp attaches the button's action.
    createButton(panel.group, panel.rescanButton, u"Rescan Ports", rightOf(panel.portLabel, 25),
                 panel.portLabel.y, 120, 25, nullptr);
    panel.rescanButton.setTag(0);
    SetJob(panel.group, blinkPeriodMs, BlinkLightsJob);
}

void BuildConverterStatePanel() {
    ConverterStatePanel& panel = mainForm.converterState;
    const Widget& comm = mainForm.commPort.group;
    createGroupBox(mainForm.window, panel.group, u"Converter State", comm.x, bottomOf(comm, 5), 300, 120);
    for (std::int32_t i = 0; i < indicatorLightCount; ++i) {
        BuildLight(panel.group, panel.light[i], lightPlaces[i]);
        panel.blinking[i] = false;
    }
    hide(panel.light[indicatorLightCount - 1]);
}

void BuildModbusSerialPanel() {
    ModbusSerialPanel& panel = mainForm.modbusSerial;
    const Widget& sentence = mainForm.sentence.sentenceIdGroup;
    const std::u16string baudTitle = WideAscii(FactsOf(MainFunction::ModbusToSdi12).baudTitle);
    createGroupBox(mainForm.window, panel.baudGroup, baudTitle.c_str(), rightOf(sentence, 20), sentence.y,
                   150, 440);
    std::u16string captions[baudChoiceCount];
    for (std::int32_t i = 0; i < baudChoiceCount; ++i)
        captions[i] = DecimalText(baudRates[static_cast<std::size_t>(i)]);
    Widget* radios = panel.baudRadio;
    createRadioButton(panel.baudGroup, radios[0], captions[0].c_str(), 5, 20, 100, 25, BaudClicked);
    radios[0].beginGroup();
    stretchInside(radios[0], panel.baudGroup, 5);
    setHeight(radios[0], 25);
    for (std::int32_t i = 1; i < baudChoiceCount; ++i) {
        const Widget& above = radios[i - 1];
        createRadioButton(panel.baudGroup, radios[i], captions[i].c_str(), above.x, bottomOf(above, 0),
                          above.width, above.height, BaudClicked);
    }
    radios[baudChoiceCount - 1].endGroup();
    for (std::int32_t i = 0; i < baudChoiceCount; ++i)
        radios[i].setTag(i + 1);
    radios[startBaudIndex - 1].setChecked(true);
    encloseBelow(panel.baudGroup, radios[baudChoiceCount - 1], 5);
    hide(panel.baudGroup);

    createGroupBox(mainForm.window, panel.timeoutGroup, modbusTimeoutRule.field, panel.baudGroup.x,
                   bottomOf(panel.baudGroup, 5), panel.baudGroup.width, panel.baudGroup.height);
    hide(panel.timeoutGroup);
    createTextField(panel.timeoutGroup, panel.timeoutField, u"1000", 5, 20, panel.timeoutGroup.width - 20, 25,
                    platform::style::EditNumber, FieldEdited);
    panel.timeoutField.onEditDone = FieldLeft;
    encloseBelow(panel.timeoutGroup, panel.timeoutField, 10);
}

} // namespace zor
