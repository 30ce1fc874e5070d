#include "toolkit/toolkit_hooks.h"

#include "platform/gdi.h"
#include "platform/window.h"
#include "render/button_painter.h"
#include "render/check_radio_painter.h"
#include "render/group_box_painter.h"
#include "render/label_painter.h"
#include "render/paint_frame.h"
#include "toolkit/colour.h"

namespace zor {

namespace {

Argb backgroundOf(const Widget& widget) {
    return widget.kind == WidgetKind::MainWindow ? widget.ctawa : widget.ctbg;
}

} // namespace

void paintWidget(platform::SurfaceHandle surface, Widget& widget) {
    switch (widget.kind) {
    case WidgetKind::Button:
        PaintButton(surface, widget);
        return;
    case WidgetKind::RadioButton:
    case WidgetKind::CheckBox:
        PaintCheckOrRadio(surface, widget);
        return;
    case WidgetKind::GroupBox:
        PaintGroupBox(surface, widget);
        return;
    case WidgetKind::Label:
        PaintLabel(surface, widget);
        return;
    case WidgetKind::DialogWindow:
    case WidgetKind::MainWindow:
        PaintPlainFill(surface, widget, backgroundOf(widget));
        return;
    default: // the text field's edit control paints itself; the reserved kinds have no painter
        return;
    }
}

platform::LResult eraseWidgetBackground(platform::SurfaceHandle surface, Widget& widget) {
    using namespace platform;
    if (hasBackBuffer(widget)) return 1;
    GdiObject brush = createSolidBrush(ToColorRef(backgroundOf(widget)));
    fillRect(surface, clientRect(widget.window), brush);
    deleteObject(brush);
    return 0;
}

} // namespace zor
