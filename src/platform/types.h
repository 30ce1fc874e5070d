// Handles, values and message codes shared by the toolkit and every platform backend.
// The numbers are those of Win32, so the win32 backend hands messages through unchanged
// and the headless backend produces exactly what Windows would.
#pragma once

#include <cstdint>

namespace zor::platform {

struct WindowObject;
struct SurfaceObject;
struct GdiObjectTag;
using WindowHandle = WindowObject*;   // HWND
using SurfaceHandle = SurfaceObject*; // HDC
using GdiObject = GdiObjectTag*;      // HGDIOBJ: bitmaps, brushes and fonts

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

using WindowProcedure = LResult (*)(WindowHandle window, std::uint32_t message, WParam first, LParam second);

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const Rect&) const = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct Message {
    WindowHandle window = nullptr;
    std::uint32_t message = 0;
    WParam first = 0;
    LParam second = 0;
};

// Window message codes.
namespace msg {
inline constexpr std::uint32_t Create = 0x0001;
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t Move = 0x0003;
inline constexpr std::uint32_t Size = 0x0005;
inline constexpr std::uint32_t SetFocus = 0x0007;
inline constexpr std::uint32_t KillFocus = 0x0008;
inline constexpr std::uint32_t Enable = 0x000A;
inline constexpr std::uint32_t Paint = 0x000F;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t Quit = 0x0012;
inline constexpr std::uint32_t EraseBackground = 0x0014;
inline constexpr std::uint32_t ShowWindow = 0x0018;
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t KeyUp = 0x0101;
inline constexpr std::uint32_t SysKeyDown = 0x0104; // a key pressed with Alt held
inline constexpr std::uint32_t SysCommand = 0x0112;
inline constexpr std::uint32_t Char = 0x0102;
inline constexpr std::uint32_t Command = 0x0111;
inline constexpr std::uint32_t Timer = 0x0113;
inline constexpr std::uint32_t ColourEdit = 0x0133;   // WM_CTLCOLOREDIT
inline constexpr std::uint32_t ColourStatic = 0x0138; // WM_CTLCOLORSTATIC: read-only or disabled edit
inline constexpr std::uint32_t MouseMove = 0x0200;
inline constexpr std::uint32_t LeftDown = 0x0201;
inline constexpr std::uint32_t LeftUp = 0x0202;
inline constexpr std::uint32_t LeftDoubleClick = 0x0203;
inline constexpr std::uint32_t RightDown = 0x0204;
inline constexpr std::uint32_t RightUp = 0x0205;
inline constexpr std::uint32_t MiddleDown = 0x0207;
inline constexpr std::uint32_t MiddleUp = 0x0208;
inline constexpr std::uint32_t MouseWheel = 0x020A;
inline constexpr std::uint32_t EnterSizeMove = 0x0231;
inline constexpr std::uint32_t ExitSizeMove = 0x0232;
inline constexpr std::uint32_t MouseLeave = 0x02A3;
inline constexpr std::uint32_t DpiChanged = 0x02E0; // the window went to a monitor of another scale
} // namespace msg

// System commands, in the first parameter of a system command message.
namespace sysCommand {
inline constexpr std::uint32_t Close = 0xF060;
} // namespace sysCommand

// Edit control notifications, in the high half of a command message's first parameter.
namespace editNotify {
inline constexpr std::uint32_t SetFocus = 0x0100;
inline constexpr std::uint32_t KillFocus = 0x0200;
inline constexpr std::uint32_t Change = 0x0300;
} // namespace editNotify

// Window styles used by the toolkit.
namespace style {
inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Popup = 0x80000000;
inline constexpr std::uint32_t Visible = 0x10000000;
inline constexpr std::uint32_t Disabled = 0x08000000;
inline constexpr std::uint32_t ClipChildren = 0x02000000;
inline constexpr std::uint32_t Border = 0x00800000;
inline constexpr std::uint32_t DialogFrame = 0x00400000;
inline constexpr std::uint32_t OverlappedWindow = 0x00CF0000;
inline constexpr std::uint32_t SizingFrame = 0x00040000;
inline constexpr std::uint32_t EditMultiline = 0x0004;
inline constexpr std::uint32_t EditAutoScroll = 0x0080; // the text scrolls past the right edge
inline constexpr std::uint32_t EditReadOnly = 0x0800;
inline constexpr std::uint32_t EditNumber = 0x2000; // digits only
inline constexpr std::uint32_t ExClientEdge = 0x00000200;
inline constexpr std::uint32_t ExToolWindow = 0x00000080;
inline constexpr std::uint32_t ExTopmost = 0x00000008;
} // namespace style

// Virtual-key codes the toolkit looks at.
namespace key {
inline constexpr std::uint32_t Tab = 9;
inline constexpr std::uint32_t Enter = 13;
inline constexpr std::uint32_t Shift = 16;
inline constexpr std::uint32_t Alt = 18;
inline constexpr std::uint32_t Escape = 27;
inline constexpr std::uint32_t Space = 32;
inline constexpr std::uint32_t F4 = 0x73;
// Text typed as characters rather than keys: translation makes the key-down into the character.
inline constexpr std::uint32_t Packet = 0xE7;
} // namespace key

// System error codes: the same numbers on every backend, since users read them in messages.
namespace error {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t FileNotFound = 2;
inline constexpr std::uint32_t PathNotFound = 3;
inline constexpr std::uint32_t AccessDenied = 5;
inline constexpr std::uint32_t InvalidHandle = 6;
inline constexpr std::uint32_t NotEnoughMemory = 8;
inline constexpr std::uint32_t WriteFault = 29;
inline constexpr std::uint32_t ReadFault = 30;
inline constexpr std::uint32_t SharingViolation = 32;
inline constexpr std::uint32_t InvalidParameter = 87;
inline constexpr std::uint32_t DiskFull = 112;
inline constexpr std::uint32_t InvalidName = 123;
} // namespace error

// Packs and unpacks the 16-bit halves of message parameters.
constexpr LParam makeLParam(std::uint32_t low, std::uint32_t high) {
    return static_cast<LParam>(static_cast<std::uint32_t>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16)));
}
constexpr WParam makeWParam(std::uint32_t low, std::uint32_t high) {
    return static_cast<WParam>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr std::uint32_t lowWord(std::uintptr_t value) {
    return static_cast<std::uint32_t>(value & 0xFFFFu);
}
constexpr std::uint32_t highWord(std::uintptr_t value) {
    return static_cast<std::uint32_t>((value >> 16) & 0xFFFFu);
}

} // namespace zor::platform
