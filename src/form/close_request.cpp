#include "form/close_request.h"

#include "form/field_commit.h"
#include "form/form_model.h"
#include "form/settings_record.h"
#include "link/exchange_owner.h"
#include "platform/dialogs.h"
#include "toolkit/decimal_text.h"

namespace zor {

bool MainFormCloseRequested(Widget& mainWindow) {
    if (!MainWindowCloseRequested(mainWindow) || !CommitFormFields()) return false;
    const std::int32_t changed = CountChangedFields(formModel, converterHeld);
    if (changed == 0) return true;
    const std::u16string text = DecimalText(changed) + (changed == 1 ? u" setting was" : u" settings were") +
                                u" changed and not sent to the converter.\r\n"
                                u"Click 'OK' to close without sending them or 'Cancel' to go back to them.";
    return platform::messageBox(mainWindow.window, text.c_str(), unsentChangesTitle,
                                platform::box::IconWarning | platform::box::OkCancel) ==
           platform::box::AnswerOk;
}

} // namespace zor
