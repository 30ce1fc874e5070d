// The window's fields are views of the record: what is typed enters the record when the field is left
// (the focus moves, Enter), and before every action that reads or replaces the record ("Send Settings",
// "Save Config", "Pick", another register set or main function, closing). A text that does not fit is
// refused then: the "Error" box names the field, its register set or row and its range, the focus goes
// back to the field and the record keeps its value. While a field is being typed into, nothing is stored.
#pragma once

#include "toolkit/widget.h"

namespace zor {

// A field typed into since the record was last shown in it.
void FieldEdited(Widget& field);
// The field left or Enter pressed in it.
void FieldLeft(Widget& field);
// Every field typed into, in the order they were typed into; false (after the refusal's box) when one was
// refused.
bool CommitFormFields();
// The record has just been written into the fields (into this one): none of them holds anything typed.
void ForgetFieldEdits();
void ForgetFieldEdit(const Widget& field);

} // namespace zor
