#include "nmea/sentence_picker.h"

#include "link/exchange_owner.h"
#include "link/link_state.h"
#include "nmea/incoming_view.h"
#include "nmea/nmea_hooks.h"
#include "platform/dialogs.h"
#include "platform/port.h"
#include "platform/window.h"
#include "toolkit/decimal_text.h"
#include "toolkit/layout.h"
#include "toolkit/paths.h"
#include "toolkit/theme.h"
#include "toolkit/widget_create.h"

#include <string>
#include <vector>

namespace zor {

Widget pickerWindow;
SentencePicker sentencePicker;

namespace {

constexpr std::int32_t pickerWidth = 1180;
constexpr std::int32_t pickerHeight = 560;
constexpr Argb evenRowColour = 0xFFD3D3D3;
constexpr Argb oddRowColour = 0xFFADD8E6;
constexpr std::uint32_t emptyRowBeepHz = 2000;
constexpr std::uint32_t emptyRowBeepMs = 100;

SentencePicker& picker = sentencePicker;

// The sentence buttons take the selectors group's colours again: none is marked picked.
void unmarkSentenceButtons() {
    copyColoursToDescendants(picker.selectorsGroup);
}

void clearSelection() {
    unmarkSentenceButtons();
    if (picker.pickedSentence > 0) picker.pickedParameterMask = 0;
    picker.pickedSentence = 0;
    ShowParameterList(-1);
    repaint(picker.selectorsGroup);
}

void ClearSelectionClicked(Widget&) {
    clearSelection();
}

void SentenceButtonClicked(Widget& button) {
    const std::int32_t e = button.tag;
    picker.pickedParameterMask = 0;
    picker.pickedSentence = e + 1;
    unmarkSentenceButtons();
    button.ctfn = pickedColour;
    button.ctfmo = pickedHoverColour;
    ShowParameterList(-1);
    ShowParameterList(e);
    repaint(picker.selectorsGroup);
}

void SentenceButtonEntered(Widget& button) {
    if (picker.pickedSentence == 0) ShowParameterList(button.tag);
}

void ParameterRowClicked(Widget& row) {
    if (IncomingViewActive()) {
        ToggleIncomingPause();
        return;
    }
    if (picker.pickedSentence == 0) return;
    if (row.text == nullptr || row.text->length() == 0) {
        platform::beep(emptyRowBeepHz, emptyRowBeepMs);
        return;
    }
    const std::uint32_t bit = 1u << row.tag;
    if (row.ctbg == pickedColour) {
        row.ctbg = RowColour(row.tag);
        picker.pickedParameterMask &= ~bit;
    } else {
        row.ctbg = pickedColour;
        picker.pickedParameterMask |= bit;
    }
    repaint(row);
}

void closePicker() {
    hide(pickerWindow);
    if (Widget* main = LinkMainWindow()) {
        // The window alone was taken out of use: its widgets kept their own states.
        enableWindowOnly(*main);
        bringToFront(*main);
    }
}

// Refused while a reply that would overwrite the picked sentence is on its way: the picker stays up.
void PickerOkClicked(Widget&) {
    if (!MayGoAhead(UserAction::PickSentence, &pickerWindow)) return;
    if (picker.pickedSentence != 0) {
        const SentenceEntry& entry = sentenceCatalogue.entries[picker.pickedSentence - 1];
        FormTakePickedSentence(entry.id.c_str(), picker.pickedParameterMask);
    }
    closePicker();
}

void PickerCancelClicked(Widget&) {
    closePicker();
}

// Closed by the window system (Alt+F4, a close box): the picker is only left as "Cancel" leaves it, and
// not while "Cancel" cannot be pressed (the incoming view runs). The window itself is never destroyed.
bool PickerCloseRequested(Widget&) {
    if (picker.cancelButton.enabled && platform::isWindowEnabled(picker.cancelButton.window)) closePicker();
    return false;
}

void PickerShown(Widget&) {
    clearSelection();
    picker.pickedParameterMask = 0;
}

void PickerEntered(Widget&) {
    if (!IncomingViewActive()) ShowParameterList(picker.pickedSentence - 1);
}

void buildSentenceButtons() {
    std::int32_t x = 10, y = 30;
    for (std::int32_t e = 0; e < catalogueEntryCount; ++e) {
        Widget& button = picker.sentenceButton[e];
        createButton(picker.selectorsGroup, button, u"-----", x, y, 80, 22, SentenceButtonClicked);
        button.setTag(e);
        button.onMouseEnter = SentenceButtonEntered;
        if (x + 164 < picker.selectorsGroup.width) {
            x += 85;
        } else {
            x = 10;
            y += 27;
        }
    }
}

void buildParameterRows() {
    for (std::int32_t k = 0; k < pickerRowCount; ++k) {
        Widget& row = picker.row[k];
        createLabel(picker.parametersGroup, row, u"", 5, 20 + 15 * k, innerWidth(picker.parametersGroup, 5),
                    15, true, 0, 1);
        row.setOwnFont(u"Arial", 10);
        row.setTag(k);
        row.onClick = ParameterRowClicked;
        row.ctbg = RowColour(k);
    }
}

// How many sentence buttons the catalogue captions, from its load at start-up.
std::int32_t captionedEntries = 0;

void captionSentenceButtons() {
    for (std::int32_t e = 0; e < captionedEntries; ++e)
        picker.sentenceButton[e].setText(sentenceCatalogue.entries[e].id.c_str());
}

} // namespace

Argb RowColour(std::int32_t row) {
    return row % 2 == 0 ? evenRowColour : oddRowColour;
}

void ShowParameterList(std::int32_t e) {
    if (e < 0 || e >= catalogueEntryCount) {
        picker.parametersGroup.setText(u"NMEA Sentence Parameters (no sentence selected)");
        for (std::int32_t k = 0; k < pickerRowCount; ++k) {
            picker.row[k].ctbg = RowColour(k);
            picker.row[k].setText(u"");
        }
        return;
    }
    const SentenceEntry& entry = sentenceCatalogue.entries[e];
    const std::u16string title =
        std::u16string(u"Parameters for ") + entry.id.c_str() + u"  (" + entry.description.c_str() + u")";
    picker.parametersGroup.setText(title.c_str());
    for (std::int32_t k = 0; k < pickerRowCount; ++k) {
        Widget& row = picker.row[k];
        if (entry.parameters[k].length() == 0) {
            row.setText(u"");
            continue;
        }
        // A blank before one-digit numbers lines them up with the two-digit ones.
        std::u16string text = k <= 8 ? u" " : u"";
        text += DecimalText(k + 1);
        text += u"   ";
        text += entry.parameters[k].c_str();
        row.ctbg = (picker.pickedParameterMask >> k & 1u) != 0 ? pickedColour : RowColour(k);
        row.setText(text.c_str());
    }
}

// "nmea.txt" beside the executable. A file that cannot be opened loads nothing and says nothing.
void LoadSentenceCatalogue() {
    captionedEntries = 0;
    std::u16string path;
    if (!exeSiblingPath(u"nmea.txt", path)) {
        platform::messageBox(nullptr, u"Unable to open executable path", u"Error", platform::box::Ok);
        return;
    }
    platform::PortOpenResult file = platform::openFile(path.c_str(), platform::FileAccess::Read);
    if (!file.ok()) return;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    for (;;) {
        const platform::PortResult read = platform::readPort(file.handle, chunk, sizeof chunk);
        if (!read.ok() || read.count == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + read.count);
    }
    platform::closePort(file.handle);

    const CatalogueLoad result =
        LoadCatalogue(sentenceCatalogue, reinterpret_cast<const char*>(bytes.data()), bytes.size());
    captionedEntries = result.captionedEntries;
    if (result.identifierTooLong)
        platform::messageBox(nullptr, result.message.c_str(), u"Error", platform::box::IconError);
}

void EnsureSentencePicker() {
    if (pickerWindow.window == nullptr) BuildSentencePicker();
}

void BuildSentencePicker() {
    picker.pickedSentence = 0;
    picker.pickedParameterMask = 0;
    ResetIncomingView();
    createDialogWindow(pickerWindow, halfScreenWidth() - 590, halfScreenHeight() - 280, pickerWidth,
                       pickerHeight, u"NMEA0183 Sentence Picker");
    // A top-level window takes its colours from the theme; its widgets copy them from it.
    ApplyTheme(pickerWindow, theme);
    pickerWindow.onMouseEnter = PickerEntered;
    pickerWindow.onShow = PickerShown;
    pickerWindow.onTimer = IncomingReadingJob;

    createButton(pickerWindow, picker.cancelButton, u"Cancel", 0, 0, 50, 25, PickerCancelClicked);
    createButton(pickerWindow, picker.okButton, u"OK", 0, 0, 50, 25, PickerOkClicked);
    placeBottomRightPair(pickerWindow, picker.cancelButton, picker.okButton);
    pickerWindow.onCloseRequest = PickerCloseRequested;
    pickerWindow.enterButton = &picker.okButton;
    pickerWindow.escapeButton = &picker.cancelButton;

    createGroupBox(pickerWindow, picker.selectorsGroup, u"NMEA Sentence Selectors", 20, 15, 450, 470);
    buildSentenceButtons();
    createButton(pickerWindow, picker.clearButton, u"Clear Selection", 20,
                 bottomOf(picker.selectorsGroup, 15), 150, 25, ClearSelectionClicked);
    createButton(pickerWindow, picker.incomingButton, u"View Incoming NMEA", rightOf(picker.clearButton, 15),
                 picker.clearButton.y, 250, 25, IncomingButtonClicked);
    createGroupBox(pickerWindow, picker.parametersGroup, u"Parameters", rightOf(picker.selectorsGroup, 10),
                   15, 550, pickerHeight - 50);
    buildParameterRows();
    captionSentenceButtons();
}

} // namespace zor
