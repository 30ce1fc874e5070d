#include "toolkit/theme.h"

namespace zor {

Theme theme;

void ApplyTheme(Widget& widget, const Theme& source) {
    if (widget.styleLocked) return;
    static_cast<WidgetColours&>(widget) = source;
}

void CopyColours(Widget& child, const Widget& parent) {
    if (child.styleLocked || &child == &parent) return;
    static_cast<WidgetColours&>(child) = static_cast<const WidgetColours&>(parent);
}

} // namespace zor
