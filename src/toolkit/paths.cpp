#include "toolkit/paths.h"

#include "platform/dialogs.h"

namespace zor {

bool exeDirectory(WideText& directory) {
    if (!directory.resize(pathCapacity)) return false;
    const std::int32_t length = platform::modulePath(directory.data, pathCapacity);
    if (length <= 0 || length >= pathCapacity) return false;
    std::int32_t cut = -1;
    for (std::int32_t i = 0; i < length; ++i)
        if (directory.data[i] == u'\\') cut = i;
    directory.data[cut + 1] = 0;
    return true;
}

bool exeSiblingPath(const char16_t* name, std::u16string& path) {
    WideText directory;
    if (!exeDirectory(directory)) return false;
    path = directory.c_str();
    path += name;
    return true;
}

bool chooseFile(platform::WindowHandle owner, const char16_t* filter, char16_t* path, bool open) {
    platform::FileDialogRequest request;
    request.owner = owner;
    request.filter = filter;
    request.path = path;
    request.pathCapacity = pathCapacity;
    request.open = open;
    request.confirmOverwrite = !open; // as every Windows program asks before a file is replaced
    if (!platform::showFileDialog(request)) return false;
    for (std::int32_t i = 0; i < pathCapacity && path[i] != 0; ++i)
        if (path[i] >= u'a' && path[i] <= u'z') path[i] = static_cast<char16_t>(path[i] - (u'a' - u'A'));
    return true;
}

} // namespace zor
