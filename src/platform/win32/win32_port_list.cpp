// The ports a scan tries on Windows. Implements platform/port_list.h.
#include "platform/port_list.h"

#include <windows.h>

#include <cwctype>

namespace zor::platform {

std::vector<std::string> listSerialPorts() {
    std::vector<std::string> names;
    for (int n = 0; n <= 200; ++n)
        names.push_back("\\\\.\\COM" + std::to_string(n));
    return names;
}

namespace {

// "COM" and a number, as the system names a serial port among its device names.
bool isComName(const wchar_t* name) {
    if (std::towupper(name[0]) != L'C' || std::towupper(name[1]) != L'O' || std::towupper(name[2]) != L'M')
        return false;
    if (name[3] == L'\0') return false;
    for (const wchar_t* c = name + 3; *c != L'\0'; ++c)
        if (*c < L'0' || *c > L'9') return false;
    return true;
}

std::string narrow(const wchar_t* name) {
    std::string text;
    for (const wchar_t* c = name; *c != L'\0'; ++c)
        text.push_back(static_cast<char>(*c));
    return text;
}

} // namespace

// The device names the system holds now: an adapter's COM port is among them while it is plugged in.
std::vector<std::string> listPresentSerialPorts() {
    std::vector<std::string> names;
    std::vector<wchar_t> buffer(16384);
    DWORD length = 0;
    while ((length = QueryDosDeviceW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) == 0) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || buffer.size() >= (1u << 22)) return names;
        buffer.resize(buffer.size() * 2);
    }
    for (const wchar_t* name = buffer.data(); name < buffer.data() + length && *name != L'\0';
         name += wcslen(name) + 1)
        if (isComName(name)) names.push_back("\\\\.\\" + narrow(name));
    return names;
}

bool serialPortPresent(const std::string& device) {
    const std::string prefix = "\\\\.\\";
    const std::string name =
        device.compare(0, prefix.size(), prefix) == 0 ? device.substr(prefix.size()) : device;
    std::wstring wide(name.begin(), name.end());
    wchar_t target[1024];
    return QueryDosDeviceW(wide.c_str(), target, 1024) != 0;
}

std::string serialPortIdentity(const std::string& device) {
    std::string upper = device;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace zor::platform
