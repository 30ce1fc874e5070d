// Configuration files: exactly the image "Send Settings" would write, 326, 80 or 18 bytes, with no
// header. This is the part without a window: what a save writes and in which order, and the texts
// shown; an opened file is recognised as a reply (link/reply_outcome.h). The file handle itself belongs to
// the caller.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zor {

// File dialogs, filter index 1.
inline constexpr char16_t saveFilterDescription[] = u"CFG";
inline constexpr char16_t configFilterPattern[] = u"*.cfg";
inline constexpr char16_t firmwareFilterDescription[] = u"Firmware";
inline constexpr char16_t firmwareFilterPattern[] = u"*.binary";

// A file that cannot be created, opened or put in place: title "Error", OK only, no icon, owner the
// main window.
inline constexpr char16_t handleInvalidText[] = u"Handle Invalid";
inline constexpr char16_t handleInvalidTitle[] = u"Error";

inline constexpr char16_t firmwareWarningTitle[] = u"Firmware Update Warning";
inline constexpr char16_t firmwareWarningText[] = u"A firmware file was selected.\r\n"
                                                  u"Firmware updates may cause the converter to fail!\r\n"
                                                  u"Click 'OK' to proceed or 'Cancel' to cancel.";

// Whether the upper-cased path contains ".BINARY": such a file is a firmware image, not a configuration.
bool IsFirmwarePath(const char16_t* path);

// Saving never destroys the file that was there: the settings are checked before any file is touched
// (a failure shows its box and stops), the image goes to TemporarySavePath(target), and only a complete
// write replaces the target. A failed create or replace shows "Handle Invalid", a failed write
// SerialWriteFailedText; either deletes the temporary file.
std::u16string TemporarySavePath(const char16_t* target);

// A short write that the system reported as done is taken as a full disk, as Windows names it.
inline constexpr std::uint32_t shortWriteError = 112;

struct SavedFile {
    enum class Failure { None, Create, Write, Replace };
    Failure failure = Failure::None;
    std::uint32_t error = 0; // the system's code when failure is not None
};

// The one safe save, for the window and zor-config: the bytes go to TemporarySavePath(target), every one of
// them written, and only then the temporary file replaces the target; on any failure it is deleted and the
// target is as it was.
SavedFile SaveConfigImage(const char16_t* target, const std::uint8_t* bytes, std::int32_t count);

// "File Write Error " code: what the status line says of a save that failed.
std::u16string FileWriteErrorText(std::uint32_t code);

} // namespace zor
