#include "form/settings_from_widgets.h"

#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "form/settings_image.h"
#include "image/value_rules.h"
#include "platform/dialogs.h"

namespace zor {

IdentityFields IdentityFromForm() {
    return IdentityFields{mainForm.identity.addressField.caption(),
                          mainForm.identity.serialNumberField.caption()};
}

ModbusTableTexts ModbusTableFromForm() {
    ModbusTableTexts table;
    const RegisterSetPanel& panel = mainForm.registerSets;
    for (std::int32_t r = 0; r < modbusRowCount; ++r)
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            (table.*modbusColumns[c].texts)[r] = (panel.*modbusCellColumns[c])[r].caption();
    table.timeout = mainForm.modbusSerial.timeoutField.caption();
    return table;
}

namespace {

// The texts of the register set shown, as typed: the model holds only the number each text starts
// with. The averaging fields count only while averaging is on.
CheckFailure checkShownTexts() {
    const ControlOutputPanel& output = mainForm.controlOutput;
    const ValuePlace set = InRegisterSet(CurrentRegisterSet());
    CheckFailure failure = CheckWholeNumberText(output.monitoredField.caption(), monitoredParameterRule, set);
    if (failure.step == 0)
        failure = CheckDecimalText(output.thresholdField.caption(), formModel.thresholdDecimals,
                                   thresholdLabel, set);
    if (failure.step == 0)
        failure = CheckDecimalText(output.hysteresisField.caption(), formModel.thresholdDecimals,
                                   hysteresisLabel, set);
    if (failure.step != 0 || formModel.averagingEnabled() == 0) return failure;
    failure = CheckWholeNumberText(mainForm.averaging.periodField.caption(), averagingPeriodRule, {});
    if (failure.step == 0)
        failure = CheckWholeNumberText(mainForm.averaging.sampleRateField.caption(), sampleRateRule, {});
    return failure;
}

} // namespace

std::optional<BuildResult> BuildSelectedImage() {
    const std::optional<MainFunction> function = SelectedMainFunction();
    if (!function) return std::nullopt;
    const bool registerSets = FactsOf(*function).registerSets;
    if (registerSets) CheckAveragingFields();
    BuildResult result = BuildSettingsImage(formModel, *function, IdentityFromForm(), ModbusTableFromForm());
    if (registerSets) {
        Widget& field = mainForm.sentence.sentenceIdField;
        const char16_t* lengthened = formModel.sentenceId[CurrentRegisterSet()].c_str();
        if (std::u16string_view(field.caption()) != lengthened) field.setText(lengthened);
        if (result.ok) {
            result.failure = checkShownTexts();
            result.ok = result.failure.step == 0;
        }
    }
    if (!result.ok) {
        const platform::WindowHandle owner =
            result.failure.owner == BoxOwner::MainWindow ? mainForm.window.window : nullptr;
        platform::messageBox(owner, result.failure.message.c_str(), checkFailureTitle,
                             platform::box::IconError);
    }
    return result;
}

} // namespace zor
