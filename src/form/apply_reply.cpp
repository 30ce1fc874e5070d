#include "form/apply_reply.h"

#include "form/form_display.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "form/settings_record.h"
#include "platform/dialogs.h"

namespace zor {

void ApplyReplyToForm(const ReplyOutcome& outcome, bool fromFile) {
    const ReplyOrigin origin = fromFile ? ReplyOrigin::File : ReplyOrigin::Port;
    if (fromFile && outcome.complete) {
        // A file is taken only as a whole that "Send Settings" would accept; a converter's reply is shown
        // as the converter holds it.
        const BuildResult check = CheckFileContent(outcome);
        if (!check.ok) {
            SetStatus(fileRefusedText);
            platform::messageBox(mainForm.window.window, check.failure.message.c_str(), checkFailureTitle,
                                 platform::box::IconError);
            return;
        }
    }
    if (outcome.complete) {
        ApplyReply(formModel, outcome, origin);
        if (outcome.converterStateTitle)
            mainForm.converterState.group.setText(outcome.converterStateTitle->c_str());
        ShowRecord();
        if (outcome.switchTo) ApplyMainFunctionLayout(*outcome.switchTo);
        if (!fromFile) converterHeld = formModel;
        mainForm.settingsFromFile = fromFile;
    }
    SetStatus(outcome.status.c_str());
    if (outcome.complete && outcome.beep) platform::beep(receivedOkBeepHz, receivedOkBeepMs);
}

} // namespace zor
