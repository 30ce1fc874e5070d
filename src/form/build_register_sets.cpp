#include "form/field_commit.h"
#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/main_form.h"
#include "toolkit/layout.h"
#include "toolkit/widget_create.h"

#include <cstddef>

namespace zor {

namespace {

constexpr char16_t setCaptions[registerSetCount][2] = {u"0", u"1", u"2", u"3", u"4",
                                                       u"5", u"6", u"7", u"8", u"9"};

void BuildSetRadios(RegisterSetPanel& panel) {
    Widget* previous = nullptr;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        Widget& radio = panel.setRadio[k];
        if (previous == nullptr)
            createRadioButton(panel.group, radio, setCaptions[k], 10, 30, 50, 25, RegisterSetClicked);
        else
            createRadioButton(panel.group, radio, setCaptions[k], previous->x, bottomOf(*previous, 3),
                              previous->width, previous->height, RegisterSetClicked);
        if (k == 0) radio.beginGroup();
        radio.setTag(k);
        previous = &radio;
    }
    panel.setRadio[registerSetCount - 1].endGroup();
    panel.setRadio[0].setChecked(true);
}

// The Modbus table: four columns, each a group box, hidden until a Modbus layout shows them.
void BuildTableColumns(RegisterSetPanel& panel) {
    const Widget& first = panel.setRadio[0];
    for (std::int32_t c = 0; c < modbusColumnCount; ++c) {
        Widget& column = panel.*modbusColumnGroups[c];
        const std::int32_t x = c == 0 ? rightOf(first, 0) : rightOf(panel.*modbusColumnGroups[c - 1], 5);
        createGroupBox(panel.group, column, modbusColumns[c].rule->field, x, first.y - 20, 100, 305);
        hide(column);
    }
}

// Row j: a field in each column and its "PLT" button, which lies beyond the group's first width of 200
// and stays clipped away until the Modbus layout widens the group.
void BuildTableRows(RegisterSetPanel& panel) {
    for (std::int32_t j = 0; j < modbusRowCount; ++j) {
        const std::int32_t y = 20 + 28 * j;
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            createTextField(panel.*modbusColumnGroups[c], (panel.*modbusCellColumns[c])[j], u"", 20, y, 50,
                            25, 0, FieldEdited)
                .onEditDone = FieldLeft;
        const Widget& radio = panel.setRadio[j];
        Widget& button = createButton(panel.group, panel.pipelineButton[j], u"PLT", rightOf(radio, 430),
                                      radio.y, 40, 25, PipelineClicked);
        button.setTag(j);
        button.onMouseEnter = PipelineEntered;
    }
    // Tab goes row by row through the table: LinkFormTabOrder, with the rest of the form.
}

} // namespace

void BuildRegisterSetPanel() {
    RegisterSetPanel& panel = mainForm.registerSets;
    createGroupBox(mainForm.window, panel.group, u"SDI12 Register Set Select", 10, 10, 200, 320);
    BuildSetRadios(panel);
    BuildTableColumns(panel);
    BuildTableRows(panel);
}

} // namespace zor
