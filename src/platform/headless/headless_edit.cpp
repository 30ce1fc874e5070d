// The native edit control of the headless backend: text, selection, typing, and the notifications
// it sends its parent (focus gained or lost, text changed) as command messages.
#include "platform/headless/headless_internal.h"

#include <algorithm>

namespace zor::platform::headless_detail {

namespace {

void notifyParent(WindowObject& edit, std::uint32_t code) {
    if (edit.parent == nullptr) return;
    sendMessage(edit.parent, msg::Command, makeWParam(0, code), reinterpret_cast<LParam>(&edit));
}

// Windows beeps when an edit control refuses a typed character; the test can read which ones it was.
void refuse(char16_t c) {
    backend().refusedCharacters.push_back(c);
}

void typeCharacter(WindowObject& edit, char16_t c) {
    if (edit.style & style::EditReadOnly) return;
    const bool multiline = (edit.style & style::EditMultiline) != 0;
    auto start = static_cast<std::size_t>(std::min(edit.selectionStart, edit.selectionEnd));
    auto end = static_cast<std::size_t>(std::max(edit.selectionStart, edit.selectionEnd));
    start = std::min(start, edit.text.size());
    end = std::min(end, edit.text.size());
    std::u16string inserted;
    if (c == 8) {
        if (start == end && start > 0) --start;
    } else if ((c == u'\r' || c == u'\t') && !multiline) {
        // A single-line edit control has no use for either: it beeps and keeps its text.
        refuse(c);
        return;
    } else if (c == u'\r') {
        inserted = u"\r\n";
    } else if (c != u'\t' && (c < u' ' || c == 127)) {
        return; // other control characters are never inserted
    } else if ((edit.style & style::EditNumber) != 0 && (c < u'0' || c > u'9')) {
        refuse(c); // a digits-only field refuses the rest (Windows says so in a balloon)
        return;
    } else {
        inserted.assign(1, c);
    }
    if (start == end && inserted.empty()) return;
    edit.text.replace(start, end - start, inserted);
    edit.selectionStart = edit.selectionEnd = static_cast<std::int32_t>(start + inserted.size());
    edit.invalid = true;
    notifyEditChange(edit);
}

} // namespace

void notifyEditChange(WindowObject& edit) {
    notifyParent(edit, editNotify::Change);
}

LResult editProcedure(WindowHandle window, std::uint32_t message, WParam first, LParam second) {
    switch (message) {
    case msg::Char:
        typeCharacter(*window, static_cast<char16_t>(first));
        return 0;
    case msg::SetFocus:
        notifyParent(*window, editNotify::SetFocus);
        return 0;
    case msg::KillFocus:
        notifyParent(*window, editNotify::KillFocus);
        return 0;
    case msg::LeftDown:
        setFocus(window);
        return 0;
    default:
        return defaultProcedure(window, message, first, second);
    }
}

} // namespace zor::platform::headless_detail
