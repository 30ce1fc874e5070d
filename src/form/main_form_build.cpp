#include "form/main_form_build.h"

#include "form/main_form.h"
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
} // namespace

// The widgets follow with the form itself.
void BuildMainForm() {
    createMainWindow(mainForm.window, halfScreenWidth() - mainWidth / 2, halfScreenHeight() - mainHeight / 2,
                     mainWidth, mainHeight, u"ZOR-MX-410 Configuration Utility (V1.3)");
    platform::setLargeIcon(mainForm.window.window, programIcon);
    BuildSentencePicker();
}

} // namespace zor
