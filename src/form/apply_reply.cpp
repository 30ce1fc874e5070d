#include "form/apply_reply.h"

#include "form/form_display.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "form/settings_image.h"
#include "image/reply_outcome.h"
#include "platform/dialogs.h"
#include "toolkit/decimal_text.h"

namespace zor {
namespace {

void setText(Widget& widget, const std::u16string& text) {
    widget.setText(text.c_str());
}

void applyIdentity(const std::u16string& address, const std::optional<std::u16string>& serialNumber) {
    setText(mainForm.identity.addressField, address);
    if (serialNumber) setText(mainForm.identity.serialNumberField, *serialNumber);
}

// Every baud radio deselected, then the one of a valid index selected.
void applyBaud(const std::optional<std::int32_t>& index) {
    for (Widget& radio : mainForm.modbusSerial.baudRadio)
        radio.setChecked(false);
    if (index && *index >= 1 && *index <= baudChoiceCount)
        mainForm.modbusSerial.baudRadio[*index - 1].setChecked(true);
}

void applyNmea(const DecodedNmeaImage& image) {
    applyIdentity(image.address, image.serialNumber);
    ApplyNmeaImage(formModel, image);
}

void applyModbus(const DecodedModbusImage& image) {
    applyIdentity(image.address, image.serialNumber);
    RegisterSetPanel& table = mainForm.registerSets;
    for (std::int32_t r = 0; r < modbusRowCount; ++r) {
        const ModbusRow& row = image.rows[static_cast<std::size_t>(r)];
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            setText((table.*modbusCellColumns[c])[r], DecimalText(row.*modbusColumns[c].cell));
    }
    setText(mainForm.modbusSerial.timeoutField, DecimalText(image.timeout));
    applyBaud(image.modbusBaudIndex);
    ApplyModbusImage(formModel, image);
}

void applySerial(const DecodedSerialImage& image) {
    applyIdentity(image.address, image.serialNumber);
    applyBaud(image.modbusBaudIndex);
    ApplySerialImage(formModel, image);
}

void switchTo(MainFunction function) {
    ApplyMainFunctionLayout(function);
    for (const MainFunction each : allMainFunctions)
        MainFunctionRadio(each).setChecked(each == function);
}

} // namespace

void ApplyReplyToForm(const std::uint8_t* buffer, std::int32_t count, bool fromFile) {
    const ReplyOutcome outcome =
        RecogniseReply(buffer, count, fromFile ? ReplyOrigin::File : ReplyOrigin::Port);
    if (outcome.nmea) applyNmea(*outcome.nmea);
    if (outcome.modbus) applyModbus(*outcome.modbus);
    if (outcome.serial) applySerial(*outcome.serial);
    if (outcome.converterStateTitle) setText(mainForm.converterState.group, *outcome.converterStateTitle);
    SetStatus(outcome.status.c_str());
    if (!outcome.complete) return;
    if (outcome.beep) platform::beep(receivedOkBeepHz, receivedOkBeepMs);
    if (outcome.showRegisterSet0) ShowRegisterSet(0);
    if (outcome.switchTo) switchTo(*outcome.switchTo);
}

} // namespace zor
