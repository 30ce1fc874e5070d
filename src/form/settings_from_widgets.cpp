#include "form/settings_from_widgets.h"

#include "form/field_commit.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"
#include "form/settings_record.h"
#include "platform/dialogs.h"

namespace zor {

std::optional<BuildResult> BuildSelectedImage() {
    if (!CommitFormFields()) return std::nullopt;
    return BuildRecordImage(formModel);
}

std::optional<BuildResult> BuildRecordImage(FormModel& record) {
    if (!record.mainFunction) return std::nullopt;
    BuildResult result = BuildImage(record);
    if (&record == &formModel && FactsOf(*record.mainFunction).registerSets) {
        Widget& field = mainForm.sentence.sentenceIdField;
        const std::u16string& lengthened = formModel.sentenceId[CurrentRegisterSet()];
        if (field.caption() != lengthened) {
            field.setText(lengthened.c_str());
            ForgetFieldEdit(field); // the record's own text, not typed
        }
    }
    if (!result.ok) {
        const platform::WindowHandle owner =
            result.failure.owner == BoxOwner::MainWindow ? mainForm.window.window : nullptr;
        platform::messageBox(owner, result.failure.message.c_str(), checkFailureTitle,
                             platform::box::IconError);
    }
    return result;
}

} // namespace zor
