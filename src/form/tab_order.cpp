// The order Tab and Shift+Tab go through the form: every field and button, panel by panel in reading
// order (left column first, each panel top to bottom and left to right), the last back to the first.
// Tab passes over what the main function's layout hides or takes out of use.
#include "form/form_build_steps.h"
#include "form/main_form.h"

#include <vector>

namespace zor {

void LinkFormTabOrder() {
    RegisterSetPanel& sets = mainForm.registerSets;
    std::vector<Widget*> order;
    for (std::int32_t j = 0; j < registerSetCount; ++j)
        order.insert(order.end(), {&sets.address[j], &sets.command[j], &sets.startReg[j], &sets.regCount[j],
                                   &sets.pipelineButton[j]});
    order.insert(order.end(), {&mainForm.modbusSerial.timeoutField, &mainForm.sentence.sentenceIdField,
                               &mainForm.sentence.pickButton, &mainForm.identity.addressField,
                               &mainForm.identity.serialNumberField, &mainForm.commands.restartButton,
                               &mainForm.commands.testLedsButton, &mainForm.commands.clearConfigButton,
                               &mainForm.controlOutput.monitoredField, &mainForm.controlOutput.thresholdField,
                               &mainForm.controlOutput.hysteresisField,
                               &mainForm.controlOutput.outputStateButton, &mainForm.averaging.periodField,
                               &mainForm.averaging.sampleRateField, &mainForm.commPort.rescanButton,
                               &mainForm.commands.openButton, &mainForm.commands.saveButton,
                               &mainForm.commands.readButton, &mainForm.commands.sendButton});
    Widget* previous = order.back();
    for (Widget* widget : order) {
        setTabOrder(*previous, *widget);
        previous = widget;
    }
}

} // namespace zor
