// Test controls for the executable's path, file existence and the file dialogs of the headless backend.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zor::platform::headless {

struct FileDialogAnswer {
    bool open = true;
    std::u16string
        initialName; // as recorded: the name the dialog was shown with; as an answer: the chosen path
    // (empty: the user cancelled)
    std::uint32_t upForMs = 0;   // as an answer: how long the dialog stays up; due timers run meanwhile
    bool replaceExisting = true; // as an answer: "Yes" to the save dialog's question before replacing
    bool overwriteAsked = false; // as recorded: the save dialog asked before replacing the chosen file
};

void setModulePath(const std::u16string& path);
void setFileExists(const std::u16string& path, bool exists);
// The next file dialog returns this path as if the user chose it; an empty path cancels it.
// With upForMs, the dialog stays up that long on the virtual clock first, its modal loop dispatching
// what falls due, as the dialog's own loop does on Windows. A save dialog asked to confirm overwriting
// asks when the path exists (as Windows' dialog does, in a box of its own): replaceExisting false
// answers "No", and the user then cancels the dialog.
void answerNextFileDialog(const std::u16string& path, std::uint32_t upForMs = 0, bool replaceExisting = true);
// Each dialog shown: open or save, and the initial name it was given.
const std::vector<FileDialogAnswer>& fileDialogsShown();
void resetPaths();

} // namespace zor::platform::headless
