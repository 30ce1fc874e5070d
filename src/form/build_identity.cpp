#include "form/field_commit.h"
#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "image/ascii_text.h"
#include "platform/dialogs.h"
#include "toolkit/layout.h"
#include "toolkit/paths.h"
#include "toolkit/widget_create.h"

#include <string>

namespace zor {

namespace {

// A "service" file or directory beside the executable unlocks the serial number.
bool ServiceMarkerPresent() {
    std::u16string path;
    return exeSiblingPath(u"service", path) && platform::fileExists(path.c_str());
}

// Below the previous radio with no gap, taking its size.
void RadioBelow(Widget& group, Widget& radio, const char16_t* caption, const Widget& previous) {
    createRadioButton(group, radio, caption, previous.x, bottomOf(previous, 0), previous.width,
                      previous.height, MainFunctionClicked);
}

} // namespace

void BuildAddressPanel() {
    IdentityPanel& panel = mainForm.identity;
    createGroupBox(mainForm.window, panel.addressGroup, u"SDI12 Address", 10,
                   bottomOf(mainForm.registerSets.group, 5), 150, 50);
    createTextField(panel.addressGroup, panel.addressField, u"x", 25, 20, 100, 25, 0, AddressChanged);
    panel.addressField.setText(u"0");
    panel.addressField.onEditDone = FieldLeft;
}

void BuildMainFunctionPanel() {
    MainFunctionPanel& panel = mainForm.mainFunction;
    createGroupBox(mainForm.window, panel.group, u"Main Function", 10,
                   bottomOf(mainForm.identity.addressGroup, 10), 2 * 150 + 5, 80);
    Widget& first = MainFunctionRadio(allMainFunctions.front());
    Widget& last = MainFunctionRadio(allMainFunctions.back());
    const Widget* previous = nullptr;
    for (const MainFunction function : allMainFunctions) {
        Widget& radio = MainFunctionRadio(function);
        const std::u16string caption = WideAscii(FactsOf(function).name);
        if (previous == nullptr) {
            createRadioButton(panel.group, radio, caption.c_str(), 5, 15, 250, 30, MainFunctionClicked);
            radio.beginGroup();
        } else {
            RadioBelow(panel.group, radio, caption.c_str(), *previous);
        }
        previous = &radio;
    }
    last.endGroup();
    first.setChecked(true);
    encloseBelow(panel.group, last, 5);
}

void BuildSerialNumberPanel() {
    IdentityPanel& panel = mainForm.identity;
    createGroupBox(mainForm.window, panel.serialNumberGroup, u"Serial Number", rightOf(panel.addressGroup, 5),
                   panel.addressGroup.y, 150, 50);
    createTextField(panel.serialNumberGroup, panel.serialNumberField, u"0000000", 25, 20, 100, 25, 0,
                    SerialNumberChanged);
    panel.serialNumberField.onEditDone = FieldLeft;
    setEnabled(panel.serialNumberField, ServiceMarkerPresent());
}

} // namespace zor
