// The window's fields are views of the record: what is typed enters the record when the field is left
// (the focus moves, Enter), and before every action that would carry it ("Send Settings", "Save Config",
// "Pick", another register set or main function). A text that does not fit is refused when the field is
// left: the "Error" box names the field, its register set or row and its range, the focus goes back to
// the field and the record keeps its value. The field keeps the text, not entered: leaving it again says
// nothing more, what would carry it refuses again with the same box, what replaces the record drops it.
// While a field is being typed into, nothing is stored.
#pragma once

#include "toolkit/widget.h"

#include <string>
#include <vector>

namespace zor {

// A field typed into since the record was last shown in it.
void FieldEdited(Widget& field);
// The field left or Enter pressed in it.
void FieldLeft(Widget& field);
// Every field typed into, in the order they were typed into; false (after the refusal's box) when one was
// refused.
bool CommitFormFields();
// The same without a refusal's box, for what would drop the texts (closing, a read, a file, Clear): the
// fields whose text does not fit stay not entered. Their number.
std::int32_t TakeFormFieldsQuietly();
// The label of a field whose text is not entered, and the text.
struct NotEnteredText {
    std::u16string label;
    std::u16string text;
};
std::vector<NotEnteredText> NotEnteredTexts();
// The record has just been written into the fields (into this one): none of them holds anything typed.
void ForgetFieldEdits();
void ForgetFieldEdit(const Widget& field);

} // namespace zor
