// The executable's path, file existence and the common open/save dialogs on Windows.
#include "platform/dialogs.h"
#include "platform/win32/win32_handles.h"

#include <commdlg.h>

namespace zor::platform {

using namespace win32;

std::int32_t modulePath(char16_t* buffer, std::int32_t capacity) {
    const DWORD n = GetModuleFileNameW(nullptr, wide(buffer), static_cast<DWORD>(capacity));
    return static_cast<std::int32_t>(n);
}

bool fileExists(const char16_t* path) {
    return GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES;
}

namespace {

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// comdlg32 is loaded at the first file dialog rather than with the program: under Wine it brings the
// shell's libraries with it, a tenth of a second of every start-up. Only from the system folder.
FileDialogFunction fileDialogFunction(bool open) {
    static HMODULE library = LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library == nullptr) return nullptr;
    return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(
        GetProcAddress(library, open ? "GetOpenFileNameW" : "GetSaveFileNameW")));
}

} // namespace

bool showFileDialog(const FileDialogRequest& r) {
    OPENFILENAMEW request{};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W; // without the trailing extension members
    request.hwndOwner = hwnd(r.owner);
    request.lpstrFilter = wide(r.filter);
    request.nFilterIndex = 1;
    request.lpstrFile = wide(r.path);
    request.nMaxFile = static_cast<DWORD>(r.pathCapacity);
    // "File must exist" only where a file is opened: a save under a new name must be possible, and Windows
    // documents the flag as not for the save dialog (Wine ignores it there).
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (r.open ? OFN_FILEMUSTEXIST : 0);
    if (r.confirmOverwrite) request.Flags |= OFN_OVERWRITEPROMPT;
    request.lpstrDefExt = L"";
    const FileDialogFunction dialog = fileDialogFunction(r.open);
    return dialog != nullptr && dialog(&request) != 0;
}

std::u16string systemErrorText(std::uint32_t code) {
    wchar_t text[512] = {};
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                   0, text, static_cast<DWORD>(sizeof text / sizeof text[0]), nullptr);
    std::u16string result(reinterpret_cast<const char16_t*>(text), n);
    while (!result.empty() && (result.back() == u'\r' || result.back() == u'\n' || result.back() == u' '))
        result.pop_back();
    return result;
}

} // namespace zor::platform
