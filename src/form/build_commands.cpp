#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
#include "toolkit/layout.h"
#include "toolkit/widget_create.h"

namespace zor {

// The converter's own actions are attached by app/wiring.cpp after the build.
void BuildConverterButtons() {
    CommandPanel& panel = mainForm.commands;
    const Widget& serial = mainForm.identity.serialNumberGroup;
    createButton(mainForm.window, panel.restartButton, u"Restart Converter", rightOf(serial, 15),
                 bottomOf(mainForm.sentence.parameterGroup, 10), 150, 25, nullptr);
    createButton(mainForm.window, panel.testLedsButton, u"Test LEDs", panel.restartButton.x,
                 bottomOf(panel.restartButton, 5), 150, 25, nullptr);
    createButton(mainForm.window, panel.clearConfigButton, u"Clear Config", panel.testLedsButton.x,
                 bottomOf(panel.testLedsButton, 20), panel.testLedsButton.width, panel.testLedsButton.height,
                 ClearConfigClicked);
}

// In the main window's bottom right corner; "Open Config" and "Save Config" 40 above the pair.
void BuildFileButtons() {
    CommandPanel& panel = mainForm.commands;
    createButton(mainForm.window, panel.readButton, u"Read Settings", 10, 10, 120, 25, nullptr);
    createButton(mainForm.window, panel.sendButton, u"Send Settings", 10, 50, 120, 25, nullptr);
    placeBottomRightPair(mainForm.window, panel.sendButton, panel.readButton);
    createButton(mainForm.window, panel.openButton, u"Open Config", panel.readButton.x,
                 panel.readButton.y - 40, 120, 25, nullptr);
    createButton(mainForm.window, panel.saveButton, u"Save Config", panel.sendButton.x,
                 panel.sendButton.y - 40, 120, 25, nullptr);
}

void BuildStatusPanel() {
    StatusPanel& panel = mainForm.status;
    createGroupBox(mainForm.window, panel.box, u"Status", 5, bottomOf(mainForm.mainFunction.group, 10),
                   rightOf(mainForm.sentence.parameterGroup, 0), 55);
    createLabel(panel.box, panel.line, u"Status", 10, 20, panel.box.width - 20, 25, true, 1, 1);
    panel.line.fieldLook = true;
    // Clicking the box or the line ends the real-time view; app/wiring.cpp attaches that.
}

} // namespace zor
