#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
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
}

void BuildMainFunctionPanel() {
    MainFunctionPanel& panel = mainForm.mainFunction;
    createGroupBox(mainForm.window, panel.group, u"Main Function", 10,
                   bottomOf(mainForm.identity.addressGroup, 10), 2 * 150 + 5, 80);
    createRadioButton(panel.group, panel.nmeaRadio, u"NMEA0183 to SDI12 Slave", 5, 15, 250, 30,
                      MainFunctionClicked);
    panel.nmeaRadio.beginGroup();
    RadioBelow(panel.group, panel.modbusRadio, u"Modbus Master to SDI12 Slave", panel.nmeaRadio);
    RadioBelow(panel.group, panel.serialRadio, u"SDI12 to RS232", panel.modbusRadio);
    panel.serialRadio.endGroup();
    panel.nmeaRadio.setChecked(true);
    encloseBelow(panel.group, panel.serialRadio, 5);
}

void BuildSerialNumberPanel() {
    IdentityPanel& panel = mainForm.identity;
    createGroupBox(mainForm.window, panel.serialNumberGroup, u"Serial Number", rightOf(panel.addressGroup, 5),
                   panel.addressGroup.y, 150, 50);
    createTextField(panel.serialNumberGroup, panel.serialNumberField, u"0000000", 25, 20, 100, 25, 0,
                    SerialNumberChanged);
    setEnabled(panel.serialNumberField, ServiceMarkerPresent());
}

} // namespace zor
