#include "form/field_commit.h"
#include "form/form_display.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "form/unsent_question.h"
#include "image/settings_check.h"
#include "link/exchange_owner.h"

namespace zor {

// The address and serial number are refused only at Send and Save; while typing, the status line says
// what the converter needs, and "Serial# OK" only for a number Send accepts.
void AddressChanged(Widget& field) {
    FieldEdited(field);
    const char16_t* address = field.caption();
    if (textLength(address) != 1)
        SetStatus(u"SDI12 address must be 1 character");
    else
        SetStatus(CheckAddress(address).step == 0 ? u"" : addressOutOfRangeFailure.message.c_str());
}

void SerialNumberChanged(Widget& field) {
    FieldEdited(field);
    const CheckFailure failure = CheckSerialNumber(field.caption());
    SetStatus(failure.step == 0 ? u"Serial# OK" : failure.message.c_str());
}

// The toolkit has already selected the radio: a refusal shows the record's again.
void BaudClicked(Widget& radio) {
    if (MayGoAhead(UserAction::ClickSetting)) {
        formModel.modbusBaudIndex = radio.tag;
        return;
    }
    for (Widget& each : mainForm.modbusSerial.baudRadio)
        each.setChecked(each.tag == formModel.modbusBaudIndex);
}

// Only the record is cleared, and the form shows it; nothing goes to the converter.
void ClearConfigClicked(Widget&) {
    if (!MayGoAhead(UserAction::ClearConfig) || !UnsentChangesMayBeLost(u"clear the form over them")) return;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        formModel.sentenceId[k].clear();
        formModel.parameterSelectMask[k] = 0;
        formModel.monitoredParameter[k] = 0;
    }
    for (std::int32_t row = 0; row < modbusRowCount; ++row)
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            formModel.modbusCells[c][row] = c == 0 ? u"1" : u"0";
    formModel.serialNumber.clear();
    ShowRecord();
}

// The toolkit has already selected the radio: a refusal, or a refused text, shows the record's again.
void MainFunctionClicked(Widget& radio) {
    if (!MayGoAhead(UserAction::MainFunction)) {
        ShowMainFunction();
        return;
    }
    std::optional<MainFunction> chosen;
    for (const MainFunction function : allMainFunctions)
        if (&radio == &MainFunctionRadio(function)) chosen = function;
    if (chosen && CommitFormFields()) {
        formModel.mainFunction = chosen;
        ApplyMainFunctionLayout(*chosen);
    }
    ShowMainFunction();
}

} // namespace zor
