// The widget gallery: every kind the utility creates, in its normal, mouse-over, mouse-down, disabled
// and checked states, on one window in the light colours. The hover and press states are forced by
// setting visualState and repainting; the pointer is moved away first so that it changes nothing.
#include "platform/test_input.h"
#include "toolkit/layout.h"
#include "toolkit/message_loop.h"
#include "toolkit/theme.h"
#include "toolkit/widget_create.h"

#include <array>
#include <cstdint>

namespace zor {
namespace {

// The light colours, until the theme presets are loaded at start-up here too.
Theme lightTheme() {
    Theme t;
    t.ctbg = 0xFFDCDCDC;
    t.cttn = 0xFF282828;
    t.cttmo = 0xFF141450;
    t.cttmd = 0xFF2878C8;
    t.cttd = 0xFF505050;
    t.ctfn = 0xFFE6E6E6;
    t.ctfmo = 0xFFC8E6FF;
    t.ctfmd = 0xFFE1E1F0;
    t.ctfd = 0xFFB4B4B4;
    t.ctgc = 0x8CFFFFFF;
    t.ctbn = 0xFF64C8C8;
    t.ctbmo = 0xFF28C8F0;
    t.ctbmd = 0xFF28BEC8;
    t.ctbd = 0xFFC8C8C8;
    t.ctol = 0xFF787878;
    t.ctold = 0x96969696;
    t.ctsn = 0xFF282828;
    t.ctsmd = 0xFF2828C8;
    t.ctsd = 0xFF787878;
    t.ctcc = 0xFFEEE8AA;
    t.ctccd = 0xFFDCDCDC;
    t.ctawa = 0xFFDCDCDC; // start-up makes the window colour the background colour
    t.ctpub = 0xFFF0F0F0;
    t.cttbb = 0xFFD2D2D2;
    t.ctebg = 0xFFE0FFFF;
    return t;
}

// Columns: the state each widget of a column is shown in.
enum Column { ColNormal, ColOver, ColDown, ColDisabled, ColChecked, ColCheckedDisabled, ColumnCount };
constexpr std::array<const char16_t*, ColumnCount> columnTitles{
    u"Normal", u"Mouse over", u"Mouse down", u"Disabled", u"Checked", u"Checked, disabled"};
constexpr std::int32_t rowTitleWidth = 120;
constexpr std::int32_t cellWidth = 150;
constexpr std::int32_t left = 10;

Widget window;
std::array<Widget, ColumnCount> headers;
std::array<Widget, 7> rowTitles;
std::array<Widget, ColumnCount> buttons;
std::array<Widget, ColumnCount> checkBoxes;
std::array<Widget, ColumnCount> radios;
std::array<Widget, ColumnCount> labels;
std::array<Widget, ColumnCount> fieldLabels;
std::array<Widget, ColumnCount> groups;
std::array<Widget, ColumnCount> fields;

std::int32_t columnX(int column) {
    return left + rowTitleWidth + column * cellWidth;
}

void rowTitle(int row, std::int32_t y, const char16_t* text) {
    createLabel(window, rowTitles[static_cast<std::size_t>(row)], text, left, y, rowTitleWidth - 10, 28,
                false, 0, 1);
}

// Applies the column's state. Disabled ones go through setEnabled, as the form does it.
void force(Widget& w, int column, bool checkable) {
    if (checkable && (column == ColChecked || column == ColCheckedDisabled)) w.checked = true;
    switch (column) {
    case ColOver:
        w.visualState = MouseOver;
        break;
    case ColDown:
        w.visualState = MouseDown;
        break;
    case ColDisabled:
    case ColCheckedDisabled:
        setEnabled(w, false);
        break;
    default:
        break;
    }
    repaint(w);
}

void build() {
    createMainWindow(window, 0, 0, left + rowTitleWidth + ColumnCount * cellWidth + 20, 470,
                     u"Widget gallery");
    for (int c = 0; c < ColumnCount; ++c)
        createLabel(window, headers[static_cast<std::size_t>(c)], columnTitles[static_cast<std::size_t>(c)],
                    columnX(c), 8, cellWidth - 10, 22, false, 1, 1);

    std::int32_t y = 40;
    rowTitle(0, y, u"Button");
    for (int c = 0; c < ColumnCount; ++c) {
        Widget& b = buttons[static_cast<std::size_t>(c)];
        createButton(window, b, u"Read Settings", columnX(c), y, cellWidth - 20, 28, nullptr);
        // A button has no checked look: its last two columns show the focus rectangle instead.
        if (c == ColChecked) b.hasFocus = true;
        force(b, c == ColCheckedDisabled ? ColDisabled : c, false);
    }
    y += 45;
    rowTitle(1, y, u"Check box");
    for (int c = 0; c < ColumnCount; ++c) {
        Widget& w = checkBoxes[static_cast<std::size_t>(c)];
        createCheckBox(window, w, u"Averaging", columnX(c), y, cellWidth - 10, 28, nullptr);
        force(w, c, true);
    }
    y += 40;
    rowTitle(2, y, u"Radio button");
    for (int c = 0; c < ColumnCount; ++c) {
        Widget& w = radios[static_cast<std::size_t>(c)];
        createRadioButton(window, w, u"Set 1", columnX(c), y, cellWidth - 10, 25, nullptr);
        // The form's status lamp: disabled, checked, in its own colour, with normal border and text.
        if (c == ColCheckedDisabled) {
            w.ctsd = 0xFF00C800;
            w.ctbd = w.ctbn;
            w.cttd = w.cttn;
        }
        force(w, c, true);
    }
    y += 40;
    rowTitle(3, y, u"Label");
    for (int c = 0; c < ColumnCount; ++c) {
        Widget& w = labels[static_cast<std::size_t>(c)];
        createLabel(window, w, u"COM3", columnX(c), y, cellWidth - 20, 24, true, 1, 1);
        force(w, c, false);
    }
    y += 40;
    rowTitle(4, y, u"Field label");
    for (int c = 0; c < ColumnCount; ++c) {
        Widget& w = fieldLabels[static_cast<std::size_t>(c)];
        createLabel(window, w, u"326 bytes OK", columnX(c), y, cellWidth - 20, 24, false, 0, 1);
        w.fieldLook = true;
        force(w, c, false);
    }
    y += 40;
    rowTitle(5, y, u"Group box");
    for (int c = 0; c < ColumnCount; ++c) {
        Widget& w = groups[static_cast<std::size_t>(c)];
        createGroupBox(window, w, c == ColChecked ? u"" : u"Status", columnX(c), y, cellWidth - 20, 70);
        force(w, c, false);
    }
    y += 90;
    rowTitle(6, y, u"Text field");
    for (int c = 0; c < ColumnCount; ++c) {
        Widget& w = fields[static_cast<std::size_t>(c)];
        const std::uint32_t readOnly = c == ColChecked ? platform::style::EditReadOnly : 0u;
        createTextField(window, w, u"12345", columnX(c), y, cellWidth - 20, 24, readOnly, nullptr);
        if (c == ColDisabled || c == ColCheckedDisabled) setEnabled(w, false);
    }
}

} // namespace
} // namespace zor

int main() {
    zor::theme = zor::lightTheme();
    zor::platform::testing::mouseAway();
    zor::build();
    return zor::runMessageLoop();
}
