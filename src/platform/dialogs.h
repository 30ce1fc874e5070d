// Message boxes, the beep, and the program's own path.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>

namespace zor::platform {

namespace box {
inline constexpr std::uint32_t Ok = 0x00000000;
inline constexpr std::uint32_t OkCancel = 0x00000001;
inline constexpr std::uint32_t IconError = 0x00000010;
inline constexpr std::uint32_t IconWarning = 0x00000030;
// The button a message box was closed with.
inline constexpr std::int32_t AnswerOk = 1;
inline constexpr std::int32_t AnswerCancel = 2;
} // namespace box

// Shows a modal message box and returns the button pressed (box::AnswerOk, box::AnswerCancel).
std::int32_t messageBox(WindowHandle owner, const char16_t* text, const char16_t* caption,
                        std::uint32_t flags);
void beep(std::uint32_t frequencyHz, std::uint32_t durationMs);

} // namespace zor::platform

namespace zor::platform {

// Full path of the program's own executable in wide characters (any folder name the system allows), at
// most capacity characters with the terminator. Returns the length, 0 on failure, capacity when the
// path was cut.
std::int32_t modulePath(char16_t* buffer, std::int32_t capacity);
bool fileExists(const char16_t* path);

struct FileDialogRequest {
    WindowHandle owner = nullptr;
    const char16_t* filter = nullptr; // pairs of zero-terminated strings, ending with an empty one
    char16_t* path = nullptr;         // in: the initial name; out: the chosen path
    std::int32_t pathCapacity = 0;    // characters
    bool open = true;                 // open dialog; false: save dialog
    bool confirmOverwrite = false;    // save dialog: the dialog asks before an existing file is chosen
};
// Shows the platform's open or save dialog; true when the user chose a file.
bool showFileDialog(const FileDialogRequest& request);

// The system's own sentence for an error code ("Access is denied."), without a line end; empty when the
// system has none.
std::u16string systemErrorText(std::uint32_t code);

} // namespace zor::platform
