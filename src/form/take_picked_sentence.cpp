#include "form/take_picked_sentence.h"

#include "form/field_commit.h"
#include "form/form_handlers.h"
#include "form/form_model.h"
#include "form/main_form.h"

namespace zor {

void TakePickedSentence(const char16_t* id, std::uint32_t parameterMask) {
    const std::int32_t set = CurrentRegisterSet();
    mainForm.sentence.sentenceIdField.setText(id);
    formModel.sentenceId[set].assign(id);
    ForgetFieldEdit(mainForm.sentence.sentenceIdField); // the record holds what the field shows
    for (std::int32_t k = 0; k < parameterSlotCount; ++k)
        mainForm.sentence.slot[k].setChecked((parameterMask >> k & 1u) != 0);
    formModel.parameterSelectMask[set] = parameterMask;
}

const char16_t* CurrentSentenceId() {
    return formModel.sentenceId[CurrentRegisterSet()].c_str();
}

} // namespace zor
