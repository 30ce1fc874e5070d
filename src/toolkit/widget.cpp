#include "toolkit/widget.h"

#include "platform/gdi.h"
#include "platform/window.h"

#include <algorithm>

namespace zor {

ToolkitState toolkit;

namespace {

constexpr Argb opaqueBlack = 0xFF000000;
void copyFace(char16_t (&target)[33], const char16_t* face) {
    std::int32_t i = 0;
    for (; face[i] != 0 && i < 32; ++i)
        target[i] = face[i];
    target[i] = 0;
}

} // namespace

// Global widgets are destroyed at process end in the reverse order of their construction.
Widget::~Widget() {
    destroy();
    delete text;
}

void Widget::resetFields() {
    static_cast<WidgetFields&>(*this) = WidgetFields{};
}

void Widget::construct() {
    static_cast<WidgetColours&>(*this) = WidgetColours{};
    for (Argb WidgetColours::*field : styleColourFields)
        this->*field = opaqueBlack;
    imageNormal.fill(opaqueBlack);
    imageHover.fill(opaqueBlack);
    imageDisabled.fill(opaqueBlack);
    swatchColour = opaqueBlack;
    copyFace(toolkit.defaultFontFace, u"Arial");
    toolkit.defaultFontSize = 10;
    resetFields();
    delete text;
    text = new WideText;
}

void Widget::constructWithEvents(bool events) {
    construct();
    toolkit.eventsEnabled = events;
}

void Widget::destroy() {
    using namespace platform;
    if (window != nullptr && timerRunning) killTimer(window, timerArming);
    if (backDC != nullptr) {
        deleteObject(selectObject(backDC, backOldBitmap));
        deleteSurface(backDC);
    }
    if (imageBitmap != nullptr) deleteObject(imageBitmap);
    if (ctlBrush != nullptr) deleteObject(ctlBrush);
    if (editFont != nullptr) deleteObject(editFont);
    if (editWindow != nullptr && isWindow(editWindow)) destroyWindow(editWindow);
    if (window != nullptr && isWindow(window)) {
        // Detached first: the record is being reset and must not be reached from the window any more.
        setWindowRecord(window, nullptr);
        destroyWindow(window);
    }
    resetFields();
    if (text != nullptr) text->release();
}

Widget* Widget::fromWindow(platform::WindowHandle window) {
    if (window == nullptr) return nullptr;
    return static_cast<Widget*>(platform::windowRecord(window));
}

void Widget::setChecked(bool value) {
    checked = value;
    repaint(*this);
}

void Widget::setOwnFont(const char16_t* face, std::int32_t size) {
    if (face == nullptr || textLength(face) > 32) return;
    copyFace(fontFace, face);
    fontSize = size;
}

void Widget::beginGroup() {
    toolkit.openGroupHead = this;
    toolkit.openGroupTail = this;
    groupHead = this;
}

void Widget::endGroup() {
    groupNext = nullptr;
    groupHead = toolkit.openGroupHead;
    toolkit.openGroupHead = nullptr;
    toolkit.openGroupTail = nullptr;
}

void Widget::selectInGroup() {
    for (Widget* member = groupHead; member != nullptr; member = member->groupNext) {
        member->checked = false;
        repaint(*member);
    }
    checked = true;
    repaint(*this);
}

bool Widget::isTopLevel() const {
    switch (kind) {
    case WidgetKind::DialogWindow:
    case WidgetKind::MainWindow:
    case WidgetKind::SizingWindow:
    case WidgetKind::PopupWindow:
    case WidgetKind::PopupMenu:
        return true;
    default:
        return false;
    }
}

void Widget::showText() {
    using namespace platform;
    if (kind == WidgetKind::TextField && editWindow != nullptr) {
        // The edit control reports the change at once, which runs onTextChange before we return.
        setWindowText(editWindow, text->c_str());
        if (scrollToEnd && multiline) {
            setEditSelection(editWindow, 0, -1);
            setEditSelection(editWindow, -1, -1);
            scrollEditCaret(editWindow);
        }
    }
    if ((kind == WidgetKind::DialogWindow || kind == WidgetKind::MainWindow ||
         kind == WidgetKind::SizingWindow) &&
        window != nullptr)
        setWindowText(window, text->c_str());
    repaint(*this);
}

void Widget::setText(const char16_t* value) {
    if (value == nullptr) return;
    text->assign(value);
    showText();
}

void Widget::setTextInt(std::int32_t value) {
    text->assignInt(value);
    showText();
}

void Widget::setTextFloat(float value) {
    text->assignFloat(value);
    showText();
}

void setTabOrder(Widget& a, Widget& b) {
    a.tabNext = &b;
    b.tabPrev = &a;
}

void repaint(Widget& widget) {
    // One request for the whole tree: a form of a hundred and more windows asks the window system once.
    if (widget.window != nullptr) platform::invalidateTree(widget.window);
}

} // namespace zor
