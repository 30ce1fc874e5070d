#include "form/unsent_question.h"

#include "form/field_commit.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/settings_record.h"
#include "platform/dialogs.h"
#include "platform/window.h"
#include "toolkit/decimal_text.h"

#include <string>

namespace zor {
namespace {

constexpr std::size_t namedAtMost = 5;

} // namespace

bool UnsentChangesMayBeLost(const char16_t* okGoesOn) {
    (void)TakeFormFieldsQuietly();
    const std::vector<SettingDifference> changed = ChangedSettings(formModel, converterHeld);
    const std::vector<NotEnteredText> notEntered = NotEnteredTexts();
    const std::size_t count = changed.size() + notEntered.size();
    if (count == 0) return true;
    std::u16string text = DecimalText(static_cast<std::int64_t>(count)) +
                          (count == 1 ? u" setting was" : u" settings were") +
                          u" changed and not sent to the converter.\r\n";
    std::size_t named = 0;
    for (const NotEnteredText& typed : notEntered)
        if (named++ < namedAtMost) text += typed.label + u": \"" + typed.text + u"\" (not entered)\r\n";
    for (const SettingDifference& d : changed)
        if (named++ < namedAtMost) text += d.name + u": " + d.held + u" \u2192 " + d.now + u"\r\n";
    if (count > namedAtMost) text += u"\u2026\r\n";
    text += u"Click 'OK' to " + std::u16string(okGoesOn) + u" or 'Cancel' to go back to them.";
    return platform::messageBox(mainForm.window.window, text.c_str(), unsentChangesTitle,
                                platform::box::IconWarning | platform::box::OkCancel) ==
           platform::box::AnswerOk;
}

void ShowUnsentMark() {
    // The title as the window has it: the widget keeps no text for it.
    const platform::WindowHandle window = mainForm.window.window;
    char16_t title[256] = {};
    if (window == nullptr || platform::windowText(window, title, 256) == 0) return;
    const bool marked = title[0] == u'*';
    const bool unsent =
        !mainForm.notEnteredFields.empty() || CountChangedFields(formModel, converterHeld) > 0;
    if (marked == unsent) return;
    const std::u16string named = marked ? title + 1 : title;
    std::u16string shown(unsent ? u"*" : u"");
    shown += named;
    platform::setWindowText(window, shown.c_str());
}

} // namespace zor
