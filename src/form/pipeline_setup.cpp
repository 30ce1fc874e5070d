#include "form/form_display.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
#include "link/exchange_owner.h"
#include "platform/dialogs.h"
#include "toolkit/layout.h"

namespace zor {

namespace {

bool isRow(std::int32_t k) {
    return k >= 0 && k < modbusRowCount;
}

} // namespace

void PipelineEntered(Widget& button) {
    WideText text;
    text.assign(u"Pipe Line Temperature Setup ");
    text.appendInt(button.tag);
    SetStatus(text.c_str());
}

// The preset of a pipeline temperature probe: everything but the slave address, which the user types.
void PipelineClicked(Widget& button) {
    const std::int32_t k = button.tag;
    if (!isRow(k) || !MayGoAhead(UserAction::PipelinePreset)) return;
    RegisterSetPanel& table = mainForm.registerSets;
    table.command[k].setText(u"4");
    table.startReg[k].setText(u"2");
    table.regCount[k].setText(u"2");
    WideText message;
    message.assign(u"Pipe line temperature probe has been set up for\r\nSDI-12 register set ");
    message.appendInt(k);
    message.append(u".\r\nYou must also set the Modbus address for this probe.");
    platform::messageBox(nullptr, message.c_str(), u"Pipeline Temperature Monitor Setup", platform::box::Ok);
    focusTextField(table.address[k], true);
}

} // namespace zor
