#include "form/main_form_build.h"

#include "form/form_build_steps.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "link/timed_job.h"
#include "nmea/sentence_picker.h"
#include "platform/window.h"
#include "toolkit/layout.h"
#include "toolkit/widget_create.h"

namespace zor {

MainForm mainForm;

namespace {

constexpr std::int32_t programIcon = 101;
constexpr std::int32_t mainWidth = 1080;
constexpr std::int32_t mainHeight = 650;
constexpr std::uint32_t pickerBuildDelayMs = 1;
constexpr char16_t mainTitle[] =
    u"ZOR-MX-410 Configuration Utility (V1.3) - independent build for ZOR-MX-410 converters";

void BuildMainWindow() {
    Widget& window = mainForm.window;
    // Shown once the form is built: the window system then maps and paints it once, not widget by widget.
    createMainWindow(window, halfScreenWidth() - mainWidth / 2, halfScreenHeight() - mainHeight / 2,
                     mainWidth, mainHeight, mainTitle, false);
    platform::setLargeIcon(window.window, programIcon);
    window.onResized = MainWindowResized;
}

// The picker's hundred-odd windows wait until the form is on screen: a timer tick comes only once every
// paint is done.
void BuildPickerJob(Widget& pickButton) {
    KillJob(pickButton);
    EnsureSentencePicker();
}

} // namespace

void MainWindowResized(Widget& window) {
    setBounds(window, window.x, window.y, mainWidth, mainHeight);
    // Out by one on every edge and back in: every child is laid out and painted afresh.
    growBy(window, -1, -1, 2, 2);
    growBy(window, 1, 1, -2, -2);
    // Our own moves are not the user's resize.
    window.resized = false;
}

void BuildMainForm() {
    ResetFormModel(formModel);
    BuildMainWindow();
    BuildRegisterSetPanel();
    BuildAddressPanel();
    BuildMainFunctionPanel();
    BuildSerialNumberPanel();
    BuildSentencePanel();
    BuildConverterButtons();
    BuildControlOutputPanel();
    BuildAveragingPanel();
    BuildFileButtons();
    BuildStatusPanel();
    mainForm.sentence.sentenceIdField.setText(formModel.sentenceId[0].c_str());
    // The record starts as the form does: the first main function chosen, the serial number's placeholder.
    formModel.mainFunction = allMainFunctions.front();
    formModel.serialNumber = mainForm.identity.serialNumberField.caption();
    converterHeld = formModel;
    LoadSentenceCatalogue();
    BuildCommPortPanel();
    BuildConverterStatePanel();
    BuildModbusSerialPanel();
    LinkFormTabOrder();
    show(mainForm.window);
    SetJob(mainForm.sentence.pickButton, pickerBuildDelayMs, BuildPickerJob);
}

} // namespace zor
