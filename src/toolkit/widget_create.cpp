#include "toolkit/widget_create.h"

#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/graphics_runtime.h"
#include "platform/window.h"
#include "toolkit/colour.h"
#include "toolkit/theme.h"
#include "toolkit/window_procedure.h"

namespace zor {

namespace {

using namespace platform;

struct KindStyle {
    std::uint32_t exStyle;
    std::uint32_t style;
    bool topLevel;
    bool shownAtCreation;
};

KindStyle styleOf(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::TextField:
        return {0, style::Child, false, true};
    case WidgetKind::DialogWindow:
        return {0, style::ClipChildren | style::DialogFrame, true, false};
    case WidgetKind::MainWindow:
        return {0, style::ClipChildren | style::OverlappedWindow, true, true};
    case WidgetKind::SizingWindow:
        return {0, style::ClipChildren | style::SizingFrame, true, false};
    case WidgetKind::PopupWindow:
    case WidgetKind::PopupMenu:
        return {style::ExToolWindow | style::ExTopmost, style::Popup | style::ClipChildren | style::Border,
                true, false};
    default:
        return {0, style::Child | style::ClipChildren, false, true};
    }
}

constexpr std::uint32_t editBaseStyle = style::Child | style::Visible | style::Border; // 0x50800000
constexpr std::int32_t editMargin = 1;

void createEditControl(Widget& widget, std::int32_t width, std::int32_t height, const char16_t* text,
                       std::uint32_t editStyle) {
    CreateRequest request;
    request.className = editClassName;
    request.exStyle = style::ExClientEdge;
    // A single-line field scrolls its text, so that a value wider than the field is typed whole.
    const bool multiline = (editStyle & style::EditMultiline) != 0;
    request.style = editStyle | editBaseStyle | (multiline ? 0 : style::EditAutoScroll);
    request.title = text != nullptr ? text : u"";
    request.width = width;
    request.height = height;
    request.parent = widget.window;
    widget.editWindow = createWindow(request);
    makeEditFont(widget, false);
    // Narrow margins: the widest value of a 50-pixel Modbus cell, 65535, is shown whole.
    if (widget.editWindow != nullptr) setEditMargins(widget.editWindow, editMargin, editMargin);
    widget.ctlBrush = createSolidBrush(ToColorRef(widget.ctbg));
    widget.scrollToEnd = false;
    widget.multiline = multiline;
}

void joinOpenGroup(Widget& widget) {
    if (toolkit.openGroupHead == nullptr) return;
    if (toolkit.openGroupTail != nullptr && toolkit.openGroupTail != &widget)
        toolkit.openGroupTail->groupNext = &widget;
    toolkit.openGroupTail = &widget;
    widget.groupHead = toolkit.openGroupHead;
}

Widget& finishChild(Widget& parent, Widget& child) {
    CopyColours(child, parent);
    return child;
}

} // namespace

void makeEditFont(Widget& widget, bool redraw) {
    using namespace platform;
    FontRequest font;
    font.height = 16;
    font.weight = 500;
    font.face = toolkit.defaultFontFace;
    const GdiObject old = widget.editFont;
    widget.editFont = createFont(font);
    if (widget.editWindow != nullptr) setWindowFont(widget.editWindow, widget.editFont, redraw);
    if (old != nullptr) deleteObject(old);
}

bool makeBackBuffer(Widget& widget) {
    widget.painted = PaintedLook{}; // a new buffer shows nothing yet
    if (widget.backDC != nullptr) {
        deleteObject(selectObject(widget.backDC, widget.backOldBitmap));
        deleteSurface(widget.backDC);
        widget.backBitmap = nullptr;
        widget.backDC = nullptr;
        widget.backOldBitmap = nullptr;
    }
    SurfaceHandle screen = windowSurface(widget.window);
    widget.backDC = createCompatibleSurface(screen);
    if (widget.backDC == nullptr) {
        releaseWindowSurface(widget.window, screen);
        return false;
    }
    widget.backBitmap = createCompatibleBitmap(screen, widget.width, widget.height);
    releaseWindowSurface(widget.window, screen);
    if (widget.backBitmap == nullptr) {
        // Without a bitmap the surface is of no use; keep the record free of half a back buffer.
        deleteSurface(widget.backDC);
        widget.backDC = nullptr;
        return false;
    }
    widget.backOldBitmap = selectObject(widget.backDC, widget.backBitmap);
    return true;
}

bool createWidgetWindow(Widget& widget, WindowHandle parent, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, const char16_t* text, WidgetKind kind,
                        std::uint32_t editStyle, bool showTopLevel) {
    if (!isWidgetClassRegistered() && !registerWidgetClass(widgetProcedure))
        messageBox(nullptr, u"failed to register", u"Error", box::Ok);
    if (text != nullptr) widget.text->assign(text);
    if (!toolkit.graphicsStarted) toolkit.graphicsStarted = startGraphics(toolkit.graphicsToken);
    if (kind == WidgetKind::None) return false;

    const KindStyle kindStyle = styleOf(kind);
    CreateRequest request;
    request.exStyle = kindStyle.exStyle;
    request.style = kindStyle.style;
    request.title = widget.text->data; // no title while the buffer is empty
    request.x = x;
    request.y = y;
    request.width = width;
    request.height = height;
    request.parent = kindStyle.topLevel ? nullptr : parent;
    // A child is made visible with its window, rather than shown afterwards: one call to the window
    // system fewer for each of the form's windows.
    const bool visibleChild = kindStyle.shownAtCreation && !kindStyle.topLevel;
    if (visibleChild) request.style |= style::Visible;
    widget.window = createWindow(request);
    if (kind == WidgetKind::TextField && widget.window != nullptr)
        createEditControl(widget, width, height, text, editStyle);
    if (kind == WidgetKind::CheckBox) widget.togglesOnClick = true;
    if (kind == WidgetKind::RadioButton) joinOpenGroup(widget);
    if (widget.window == nullptr) return false;

    setWindowRecord(widget.window, &widget);
    widget.kind = kind;
    widget.x = x;
    widget.y = y;
    widget.width = width;
    widget.height = height;
    widget.clientRect = clientRect(widget.window);
    // The back buffer is made at the widget's second paint (window_procedure.cpp): a widget laid out
    // after its creation, or never shown (the panels of the other main functions), costs none before.
    if (kindStyle.shownAtCreation) {
        if (!visibleChild && showTopLevel) showWindow(widget.window, true);
        widget.visualState = Normal;
    }
    widget.trackEvent = MouseTrackRequest{16, 2, widget.window, 0};
    return true;
}

Widget& createButton(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                     std::int32_t width, std::int32_t height, WidgetCallback onClick) {
    createWidgetWindow(child, parent.window, x, y, width, height, text, WidgetKind::Button, 0);
    child.onClick = onClick;
    child.glyph = 0;
    return finishChild(parent, child);
}

Widget& createButton(Widget& parent, Widget& child, const char16_t* text, WidgetCallback onClick) {
    return createButton(parent, child, text, 0, 0, 0, 0, onClick);
}

Widget& createGroupBox(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                       std::int32_t width, std::int32_t height) {
    createWidgetWindow(child, parent.window, x, y, width, height, text, WidgetKind::GroupBox, 0);
    return finishChild(parent, child);
}

Widget& createGroupBox(Widget& parent, Widget& child, const char16_t* text) {
    return createGroupBox(parent, child, text, 0, 0, 0, 0);
}

Widget& createTextField(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, std::uint32_t editStyle,
                        WidgetCallback onTextChange) {
    createWidgetWindow(child, parent.window, x, y, width, height, text, WidgetKind::TextField, editStyle);
    child.onTextChange = onTextChange;
    return finishChild(parent, child);
}

Widget& createRadioButton(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                          std::int32_t width, std::int32_t height, WidgetCallback onClick) {
    createWidgetWindow(child, parent.window, x, y, width, height, text, WidgetKind::RadioButton, 0);
    child.onClick = onClick;
    return finishChild(parent, child);
}

Widget& createRadioButton(Widget& parent, Widget& child, const char16_t* text, WidgetCallback onClick) {
    return createRadioButton(parent, child, text, 0, 0, 0, 0, onClick);
}

Widget& createCheckBox(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                       std::int32_t width, std::int32_t height, WidgetCallback onClick) {
    createWidgetWindow(child, parent.window, x, y, width, height, text, WidgetKind::CheckBox, 0);
    child.onClick = onClick;
    return finishChild(parent, child);
}

Widget& createLabel(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, bool bordered, std::int32_t alignH,
                    std::int32_t alignV) {
    createWidgetWindow(child, parent.window, x, y, width, height, text, WidgetKind::Label, 0);
    child.bordered = bordered;
    child.textAlignH = alignH;
    child.textAlignV = alignV;
    child.fieldLook = false;
    return finishChild(parent, child);
}

bool createDialogWindow(Widget& widget, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char16_t* title) {
    const bool created =
        createWidgetWindow(widget, nullptr, x, y, width, height, nullptr, WidgetKind::DialogWindow, 0);
    if (created) setWindowText(widget.window, title);
    return created;
}

bool createMainWindow(Widget& widget, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const char16_t* title, bool shown) {
    const bool created =
        createWidgetWindow(widget, nullptr, x, y, width, height, nullptr, WidgetKind::MainWindow, 0, shown);
    if (created) setWindowText(widget.window, title);
    toolkit.exitHook = nullptr;
    ApplyTheme(widget, theme);
    toolkit.focusedWidget = nullptr;
    toolkit.eventsEnabled = false;
    return created;
}

} // namespace zor
