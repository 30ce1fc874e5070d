#include "form/settings_from_widgets.h"

#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "form/settings_image.h"
#include "platform/dialogs.h"

namespace zor {

IdentityFields IdentityFromForm() {
    return IdentityFields{mainForm.identity.addressField.caption(),
                          mainForm.identity.serialNumberField.caption()};
}

ModbusTableTexts ModbusTableFromForm() {
    ModbusTableTexts table;
    const RegisterSetPanel& panel = mainForm.registerSets;
    for (std::size_t r = 0; r < static_cast<std::size_t>(modbusRowCount); ++r) {
        table.address[r] = panel.address[r].caption();
        table.command[r] = panel.command[r].caption();
        table.startReg[r] = panel.startReg[r].caption();
        table.regCount[r] = panel.regCount[r].caption();
    }
    table.timeout = mainForm.modbusSerial.timeoutField.caption();
    return table;
}

std::optional<BuildResult> BuildSelectedImage() {
    const std::optional<MainFunction> function = SelectedMainFunction();
    if (!function) return std::nullopt;
    BuildResult result = BuildSettingsImage(formModel, *function, IdentityFromForm(), ModbusTableFromForm());
    if (*function == MainFunction::NmeaToSdi12) {
        Widget& field = mainForm.sentence.sentenceIdField;
        const char16_t* lengthened = formModel.sentenceId[CurrentRegisterSet()].c_str();
        if (std::u16string_view(field.caption()) != lengthened) field.setText(lengthened);
    }
    if (!result.ok) {
        const platform::WindowHandle owner =
            result.failure.owner == BoxOwner::MainWindow ? mainForm.window.window : nullptr;
        platform::messageBox(owner, result.failure.message, checkFailureTitle, platform::box::IconError);
    }
    return result;
}

} // namespace zor
