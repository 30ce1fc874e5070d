#include "app/demo_form.h"

#include "platform/window.h"
#include "toolkit/layout.h"
#include "toolkit/widget_create.h"

namespace zor {

namespace {

constexpr std::int32_t programIcon = 101;

Widget mainWindow;
Widget buttonsGroup, readButton, sendButton, disabledButton;
Widget choicesGroup, choice1, choice2, choice3, reflectBox, averagingBox;
Widget fieldsGroup, addressField, serialField, notesField;
Widget statusGroup, statusLine, portLabel;

void showClicked(Widget& w) {
    statusLine.setText(w.caption());
}

void showTyped(Widget& w) {
    statusLine.setText(w.caption());
}

// The window keeps its size: a finished resize puts it back.
void keepSize(Widget& w) {
    setBounds(w, w.x, w.y, 1080, 650);
}

} // namespace

void buildDemoForm() {
    const std::int32_t x = halfScreenWidth() - 540;
    const std::int32_t y = halfScreenHeight() - 325;
    createMainWindow(mainWindow, x, y, 1080, 650,
                     u"ZOR-MX-410 Configuration Utility (V1.3) - toolkit demonstration");
    platform::setLargeIcon(mainWindow.window, programIcon);
    mainWindow.onResized = keepSize;

    createGroupBox(mainWindow, buttonsGroup, u"Buttons", 10, 10, 300, 160);
    createButton(buttonsGroup, readButton, u"Read Settings", 20, 30, 120, 25, showClicked);
    createButton(buttonsGroup, sendButton, u"Send Settings", 0, 0, 120, 25, showClicked);
    placeRightOf(sendButton, readButton, 20);
    createButton(buttonsGroup, disabledButton, u"Disabled", 20, 80, 120, 25, showClicked);
    setEnabled(disabledButton, false);

    createGroupBox(mainWindow, choicesGroup, u"Main Function", 10, 180, 300, 200);
    createRadioButton(choicesGroup, choice1, u"NMEA0183 to SDI12 Slave", 5, 20, 250, 30, showClicked);
    choice1.beginGroup();
    createRadioButton(choicesGroup, choice2, u"Modbus Master to SDI12 Slave", 0, 0, 250, 30, showClicked);
    placeBelow(choice2, choice1, 0);
    createRadioButton(choicesGroup, choice3, u"SDI12 to RS232", 0, 0, 250, 30, showClicked);
    placeBelow(choice3, choice2, 0);
    choice3.endGroup();
    choice1.setChecked(true);
    createCheckBox(choicesGroup, reflectBox, u"Reflect Output in RS422 TX LED", 5, 120, 280, 25, showClicked);
    createCheckBox(choicesGroup, averagingBox, u"Enable Averaging", 5, 150, 280, 25, showClicked);
    encloseBelow(choicesGroup, averagingBox, 10);

    createGroupBox(mainWindow, fieldsGroup, u"Fields", 330, 10, 300, 200);
    createTextField(fieldsGroup, addressField, u"0", 20, 30, 100, 25, 0, showTyped);
    createTextField(fieldsGroup, serialField, u"0000000", 0, 0, 100, 25, 0, showTyped);
    placeBelowSameSize(serialField, addressField, 10);
    createTextField(fieldsGroup, notesField, u"", 150, 30, 130, 150, platform::style::EditMultiline, nullptr);
    setTabOrder(addressField, serialField);
    setTabOrder(serialField, addressField);

    createGroupBox(mainWindow, statusGroup, u"Status", 5, 515, 480, 55);
    createLabel(statusGroup, statusLine, u"Status", 10, 20, 460, 25, true, 1, 1);
    statusLine.fieldLook = true;
    createLabel(mainWindow, portLabel, u"---", 650, 30, 100, 25, true, 1, 1);
    portLabel.fieldLook = true;
}

} // namespace zor
