// The executable's path, file existence and file dialogs of the headless backend: set by tests.
#include "platform/headless/headless_paths.h"
#include "platform/dialogs.h"
#include "platform/headless/headless_internal.h"
#include "platform/headless/headless_port.h"

#include <algorithm>
#include <deque>
#include <set>

namespace zor::platform {

namespace {
struct PathState {
    std::u16string modulePath = u"C:\\ZOR-MX-410\\ZOR-MX-410.exe";
    std::set<std::u16string> existing;
    std::deque<headless::FileDialogAnswer> answers;
    std::vector<headless::FileDialogAnswer> asked; // what each dialog was shown with
};
PathState& state() {
    static PathState* s = new PathState; // outlives the global widgets
    return *s;
}
} // namespace

std::int32_t modulePath(char16_t* buffer, std::int32_t capacity) {
    const std::u16string& path = state().modulePath;
    if (buffer == nullptr || capacity <= 0 || path.empty()) return 0;
    // Like the platform: a path that does not fit is cut and the full capacity is reported.
    const auto n =
        static_cast<std::int32_t>(std::min<std::size_t>(path.size(), static_cast<std::size_t>(capacity - 1)));
    std::copy_n(path.data(), n, buffer);
    buffer[n] = 0;
    return path.size() >= static_cast<std::size_t>(capacity) ? capacity : n;
}

// A marker set by the test, or any in-memory file of that name.
bool fileExists(const char16_t* path) {
    if (path == nullptr) return false;
    return state().existing.count(path) > 0 || headless::fileContents(path).has_value();
}

bool showFileDialog(const FileDialogRequest& request) {
    headless::FileDialogAnswer asked{request.open, request.path != nullptr ? request.path : u""};
    state().asked.push_back(asked);
    if (state().answers.empty() || request.path == nullptr) return false;
    const headless::FileDialogAnswer answer = state().answers.front();
    state().answers.pop_front();
    headless_detail::runModalLoop(answer.upForMs);
    if (answer.initialName.empty()) return false; // cancelled
    // The save dialog's own question before an existing file is replaced; "No" (then Cancel) ends it.
    if (!request.open && request.confirmOverwrite && fileExists(answer.initialName.c_str())) {
        state().asked.back().overwriteAsked = true;
        if (!answer.replaceExisting) return false;
    }
    const auto n =
        std::min<std::size_t>(answer.initialName.size(), static_cast<std::size_t>(request.pathCapacity - 1));
    std::copy_n(answer.initialName.data(), n, request.path);
    request.path[n] = 0;
    return true;
}

// The texts Windows gives for the codes the program meets with files.
std::u16string systemErrorText(std::uint32_t code) {
    switch (code) {
    case error::FileNotFound:
        return u"The system cannot find the file specified.";
    case error::PathNotFound:
        return u"The system cannot find the path specified.";
    case error::AccessDenied:
        return u"Access is denied.";
    case error::SharingViolation:
        return u"The process cannot access the file because it is being used by another process.";
    case error::DiskFull:
        return u"There is not enough space on the disk.";
    case error::InvalidName:
        return u"The filename, directory name, or volume label syntax is incorrect.";
    default:
        return u"";
    }
}

namespace headless {
void setModulePath(const std::u16string& path) {
    state().modulePath = path;
}
void setFileExists(const std::u16string& path, bool exists) {
    if (exists)
        state().existing.insert(path);
    else
        state().existing.erase(path);
}
void answerNextFileDialog(const std::u16string& path, std::uint32_t upForMs, bool replaceExisting) {
    state().answers.push_back(FileDialogAnswer{true, path, upForMs, replaceExisting});
}
const std::vector<FileDialogAnswer>& fileDialogsShown() {
    return state().asked;
}
void resetPaths() {
    *(&state()) = PathState{};
}
} // namespace headless

} // namespace zor::platform
