#include "form/form_display.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"

namespace zor {

// The address and serial number are not refused; the status line only says what the converter needs.
void AddressChanged(Widget& field) {
    SetStatus(textLength(field.caption()) == 1 ? u"" : u"SDI12 address must be 1 character");
}

void SerialNumberChanged(Widget& field) {
    SetStatus(textLength(field.caption()) < serialNumberLength ? u"Serial# must be 8 characters"
                                                               : u"Serial# OK");
}

void BaudClicked(Widget& radio) {
    formModel.modbusBaudIndex = radio.tag;
}

// Only the form is cleared; nothing goes to the converter.
void ClearConfigClicked(Widget&) {
    for (Widget& slot : mainForm.sentence.slot)
        slot.setChecked(false);
    RegisterSetPanel& table = mainForm.registerSets;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        formModel.sentenceId[k].assign(u"");
        formModel.parameterSelectMask[k] = 0;
        formModel.monitoredParameter[k] = 0;
        table.address[k].setText(u"1");
        table.command[k].setText(u"0");
        table.startReg[k].setText(u"0");
        table.regCount[k].setText(u"0");
    }
    mainForm.sentence.sentenceIdField.setText(u"");
    // The field shows the monitored parameter that will be sent.
    mainForm.controlOutput.monitoredField.setText(u"0");
    mainForm.identity.serialNumberField.setText(u"");
}

void MainFunctionClicked(Widget& radio) {
    MainFunctionPanel& panel = mainForm.mainFunction;
    if (&radio == &panel.nmeaRadio)
        ApplyNmeaLayout();
    else if (&radio == &panel.modbusRadio)
        ApplyModbusLayout();
    else if (&radio == &panel.serialRadio)
        ApplySerialLayout();
}

} // namespace zor
