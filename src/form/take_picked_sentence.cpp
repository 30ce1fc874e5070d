#include "form/take_picked_sentence.h"

#include "form/form_model.h"
#include "form/main_form.h"

namespace zor {

void TakePickedSentence(const char16_t* id, std::uint32_t parameterMask) {
    const std::int32_t set = formModel.currentRegisterSet;
    mainForm.sentence.sentenceIdField.setText(id);
    formModel.sentenceId[set].assign(id);
    for (Widget& slot : mainForm.sentence.slot)
        slot.setChecked(false);
    formModel.parameterSelectMask[set] = 0;
    for (std::int32_t k = 0; k < parameterSlotCount; ++k)
        if ((parameterMask >> k & 1u) != 0) mainForm.sentence.slot[k].setChecked(true);
    formModel.parameterSelectMask[set] = parameterMask;
}

const char16_t* CurrentSentenceId() {
    return formModel.sentenceId[formModel.currentRegisterSet].c_str();
}

} // namespace zor
