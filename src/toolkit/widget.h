// The record behind every control: one window of the class "WinObj", its caption, colours, back
// buffer, input state and the callbacks the form attaches.
#pragma once

#include "platform/types.h"
#include "toolkit/text_buffer.h"
#include "toolkit/toolkit_hooks.h"
#include "toolkit/widget_colours.h"

#include <cstdint>
#include <string>

namespace zor {

// The values are fixed: they select the window style, the painter and special input handling.
// The numbers missing here belong to kinds this system never creates and stay reserved.
enum class WidgetKind : std::int32_t {
    None = 0,
    Button = 1,
    GroupBox = 2,
    TextField = 3,
    RadioButton = 4,
    CheckBox = 5,
    DialogWindow = 11,
    MainWindow = 12,
    SizingWindow = 13, // top-level window with a sizing frame (reserved)
    Label = 14,
    PopupWindow = 16, // pop-up tool window (reserved)
    PopupMenu = 21,   // pop-up menu (reserved)
};

// What the mouse and the enable state make of a widget.
enum VisualState : std::int32_t {
    MouseOver = 0,
    MouseDown = 1,
    Normal = 2,
    Disabled = 3,
    Hidden = 4,
};

struct Widget;

using WidgetCallback = void (*)(Widget& widget);
using KeyCallback = void (*)(Widget& widget, platform::WParam key);
using PaintCallback = void (*)(platform::SurfaceHandle surface, Widget& widget);
using FocusCallback = void (*)(Widget& widget, platform::WindowHandle losing);
using BlurCallback = void (*)(platform::WindowHandle gaining, Widget& widget);

// Asked before a top-level window closes at the user's request (its close box, Alt+F4); false keeps
// it open.
using CloseCallback = bool (*)(Widget& widget);

// A handler attached to a widget's timer.
using TimedJob = WidgetCallback;

struct MouseTrackRequest {
    std::uint32_t size = 0;
    std::uint32_t flags = 0; // 2: notify on leave
    platform::WindowHandle window = nullptr;
    std::uint32_t hoverTime = 0;
};

// What a widget's back buffer shows: everything the painter that last drew it completely read of the
// widget. When the widget still gives the same, the buffer already holds its picture and a paint only
// copies it to the window (render/paint_frame.cpp). Empty (never equal to a real look) until the first
// complete paint, and again whenever the buffer is remade or drawn on by anything else.
struct PaintedLook {
    bool painted = false;
    std::uintptr_t painter = 0; // the painter's layers
    Argb background = 0;
    WidgetColours colours;
    WidgetKind kind = WidgetKind::None;
    std::int32_t visualState = 0;
    bool checked = false;
    bool enabled = false;
    bool hasFocus = false;
    bool bordered = false;
    bool fieldLook = false;
    std::int32_t textAlignH = 0;
    std::int32_t textAlignV = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    platform::Rect clientRect;
    std::u16string fontFace; // the face and size the text is drawn in
    std::int32_t fontSize = 0;
    std::u16string text;

    bool operator==(const PaintedLook&) const = default;
};

// Every field of a widget that construct and destroy put back to its initial value.
struct WidgetFields {
    platform::WindowHandle window = nullptr;
    platform::Rect clientRect;
    bool leftDown = false;
    bool rightDown = false;
    bool middleDown = false;
    std::int32_t wheelDelta = 0;
    std::uint32_t mouseKeys = 0;
    std::uint32_t lastKey = 0;
    std::uint32_t mouseX = 0;
    std::uint32_t mouseY = 0;
    Widget* groupHead = nullptr;
    Widget* groupNext = nullptr;
    // Style colours and palettes come from WidgetColours.
    bool styleLocked = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool enabled = true;
    bool checked = false;
    bool togglesOnClick = false;
    bool bordered = false;
    std::int32_t textAlignH = 0;
    std::int32_t textAlignV = 0;
    WidgetKind kind = WidgetKind::None;
    bool ownFont = false;
    char16_t fontFace[33] = {};
    std::int32_t fontSize = 10;
    std::int32_t sliderBlock[12] = {}; // two-dimensional slider kind only, never created here
    bool fieldLook = false;
    bool scrollToEnd = false;
    std::int32_t visualState = Normal;
    std::int32_t glyph = 0;
    std::int32_t tag = 0;
    // The identifier of the timer's current arming, and whether it runs. Each arming gets a new
    // identifier, so a tick of an earlier one that the window system still delivers is told apart.
    std::uintptr_t timerArming = 0;
    bool timerRunning = false;

    // Callback slots. Gated slots run only while the event gate is open.
    WidgetCallback onLeftDown = nullptr;
    WidgetCallback onRightDown = nullptr;
    WidgetCallback onMiddleDown = nullptr;
    WidgetCallback onLeftUp = nullptr;
    WidgetCallback onRightUp = nullptr;
    WidgetCallback onMiddleUp = nullptr;
    WidgetCallback onClick = nullptr;
    WidgetCallback onRightClick = nullptr;
    WidgetCallback onMiddleClick = nullptr;
    WidgetCallback onDoubleClick = nullptr;
    WidgetCallback onMouseMove = nullptr;
    WidgetCallback onMouseEnter = nullptr;
    WidgetCallback onMouseLeave = nullptr;
    WidgetCallback onWheel = nullptr;
    KeyCallback onKeyDown = nullptr;  // not gated
    WidgetCallback onKeyUp = nullptr; // not gated
    WidgetCallback onSize = nullptr;
    WidgetCallback onResized = nullptr;
    WidgetCallback onMove = nullptr;
    WidgetCallback onMoved = nullptr;
    TimedJob onTimer = nullptr;
    PaintCallback onPaint = nullptr;
    PaintCallback onOverlay = nullptr; // not gated
    WidgetCallback onTextChange = nullptr;
    WidgetCallback onEditDone = nullptr;    // a single-line text field left, or Enter pressed in it
    WidgetCallback onValueChange = nullptr; // not gated
    WidgetCallback onShow = nullptr;
    WidgetCallback onHide = nullptr;
    WidgetCallback onEnable = nullptr;  // not gated
    WidgetCallback onDisable = nullptr; // not gated
    FocusCallback onFocus = nullptr;
    BlurCallback onBlur = nullptr;
    CloseCallback onCloseRequest = nullptr; // not gated

    platform::SurfaceHandle backDC = nullptr;
    platform::GdiObject imageBitmap = nullptr;
    platform::WindowHandle editWindow = nullptr;
    std::int32_t layoutCursor = 0;
    std::uint32_t swatchValue = 0;
    bool hasFocus = false;
    Widget* tabNext = nullptr;
    Widget* tabPrev = nullptr;
    // On a top-level window: the buttons Enter and Escape press wherever the focus is inside it.
    Widget* enterButton = nullptr;
    Widget* escapeButton = nullptr;
    const void* imageData = nullptr;
    bool multiline = false;
    MouseTrackRequest trackEvent;
    bool mouseInside = false;
    Widget* modalOwner = nullptr;
    platform::GdiObject backOldBitmap = nullptr;
    platform::GdiObject backBitmap = nullptr;
    // The first paint, as the window comes on screen, draws straight onto it; the back buffer is made
    // at the next paint, for the repaints it can answer with a copy.
    bool paintedOnScreen = false;
    platform::GdiObject ctlBrush = nullptr;
    platform::GdiObject editFont = nullptr;
    bool resized = false;
    bool moved = false;
    std::int32_t dragDX = 0;
    std::int32_t dragDY = 0;
    PaintedLook painted;
};

struct Widget : WidgetColours, WidgetFields {
    Argb swatchColour = 0;
    WideText* text = nullptr; // the caption or content; owned

    Widget() { construct(); }
    ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // Colours to opaque black, the default font back to "Arial" 10, a new empty text, every other
    // field to its initial value.
    void construct();
    void constructWithEvents(bool events);
    // Stops the timer, releases the back buffer, brushes, fonts and windows, and resets the record as
    // construct does, keeping its colours.
    void destroy();

    static Widget* fromWindow(platform::WindowHandle window);

    void setTag(std::int32_t value) { tag = value; }
    void setChecked(bool value);
    void setOwnFont(const char16_t* face, std::int32_t size);

    void beginGroup();
    void endGroup();
    // Clears every member of this widget's radio group, then selects this widget.
    void selectInGroup();

    // Caption or content (the three widget text operations).
    void setText(const char16_t* value);
    void setTextInt(std::int32_t value);
    void setTextFloat(float value);
    std::int32_t textAsInt() const { return text != nullptr ? text->toInt() : 0; }
    const char16_t* caption() const { return text != nullptr ? text->c_str() : u""; }

    bool isTopLevel() const;

  private:
    void resetFields();
    void showText();
};

void setTabOrder(Widget& a, Widget& b);

// The toolkit's program-wide state, with the slots of its calls up (toolkit_hooks.h).
struct ToolkitState : ToolkitHooks {
    bool eventsEnabled = false;
    std::int32_t openWindowCount = 0;
    Widget* focusedWidget = nullptr;
    Widget* openGroupHead = nullptr;
    Widget* openGroupTail = nullptr;
    char16_t defaultFontFace[33] = u"Arial";
    std::int32_t defaultFontSize = 10;
    std::uintptr_t graphicsToken = 0;
    bool graphicsStarted = false;
};

extern ToolkitState toolkit;

// Repaints the widget's window and every window inside it, without erase.
void repaint(Widget& widget);

} // namespace zor
