// The form's handlers, one per event, attached to the widgets' callback slots while the form is built.
// Each reads the widget it is called for (its tag, its state before a click) and the FormModel.
#pragma once

#include "form/form_model.h"
#include "toolkit/widget.h"

namespace zor {

// The register set the fields edit, kept inside the model's arrays whatever was stored.
inline std::int32_t CurrentRegisterSet() {
    const std::int32_t k = formModel.currentRegisterSet;
    return k >= 0 && k < registerSetCount ? k : 0;
}

// The register-set group, the parameter slots and the sentence identifier.
void RegisterSetClicked(Widget& radio);
void SlotClicked(Widget& slot);
void SlotEntered(Widget& slot);
void SlotMoved(Widget& slot);
void ParameterGroupLeft(Widget& group);
void ParameterStatusResetJob(Widget& group);
void PickClicked(Widget& button);

// "Control Output Parameters" and "Averaging"; their fields are the record's views (field_commit.h).
void ThresholdFunctionClicked(Widget& radio);
void OutputStateClicked(Widget& button);
void ReflectClicked(Widget& box);
void EnableAveragingClicked(Widget& box);

// Address, serial number, baud rate, "Clear Config" and the main function radios.
void AddressChanged(Widget& field);
void SerialNumberChanged(Widget& field);
void BaudClicked(Widget& radio);
void ClearConfigClicked(Widget& button);
void MainFunctionClicked(Widget& radio);

// The "PLT" buttons of the Modbus table.
void PipelineClicked(Widget& button);
void PipelineEntered(Widget& button);

// The 300 ms job of the "Comm Port" group.
void BlinkLightsJob(Widget& group);

// The main window springs back to its size after the user resized it.
void MainWindowResized(Widget& window);

} // namespace zor
