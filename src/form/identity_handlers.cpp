#include "form/form_display.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "image/settings_check.h"
#include "link/exchange_owner.h"

namespace zor {

// The address and serial number are refused only at Send and Save; while typing, the status line says
// what the converter needs, and "Serial# OK" only for a number Send accepts.
void AddressChanged(Widget& field) {
    const char16_t* address = field.caption();
    if (textLength(address) != 1)
        SetStatus(u"SDI12 address must be 1 character");
    else
        SetStatus(CheckAddress(address).step == 0 ? u"" : addressOutOfRangeFailure.message.c_str());
}

void SerialNumberChanged(Widget& field) {
    const CheckFailure failure = CheckSerialNumber(field.caption());
    SetStatus(failure.step == 0 ? u"Serial# OK" : failure.message.c_str());
}

void BaudClicked(Widget& radio) {
    formModel.modbusBaudIndex = radio.tag;
}

// Only the form is cleared; nothing goes to the converter.
void ClearConfigClicked(Widget&) {
    if (!MayGoAhead(UserAction::ClearConfig)) return;
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

// The toolkit has already selected the radio: a refusal selects the one before it again.
void MainFunctionClicked(Widget& radio) {
    if (!MayGoAhead(UserAction::MainFunction)) {
        RestoreMainFunctionRadios();
        return;
    }
    for (const MainFunction function : allMainFunctions)
        if (&radio == &MainFunctionRadio(function)) ApplyMainFunctionLayout(function);
}

} // namespace zor
