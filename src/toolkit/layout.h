// Placing, showing, hiding, enabling and disabling widgets, each keeping the record and the window in step.
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// Placement. Each sets the record, moves the window (which reports back the position and size the
// platform really gave it), keeps a text field's edit control filling it, and repaints.
void setBounds(Widget& w, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
void moveTo(Widget& w, std::int32_t x, std::int32_t y);
void setHeight(Widget& w, std::int32_t height);
void growBy(Widget& w, std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh);
void placeRightOf(Widget& w, const Widget& other, std::int32_t gap);
void placeBelow(Widget& w, const Widget& other, std::int32_t gap);
void placeBelowSameSize(Widget& w, const Widget& other, std::int32_t gap);
void stretchInside(Widget& w, const Widget& container, std::int32_t margin);
// Grows a group box down to just below one of its own children.
void encloseBelow(Widget& w, const Widget& child, std::int32_t gap);
// A window's pair of closing buttons, in its bottom right corner.
void placeBottomRightPair(const Widget& container, Widget& first, Widget& second);

// Layout arithmetic, integer division truncating toward zero.
constexpr std::int32_t halfDifference(std::int32_t a, std::int32_t b) {
    return a / 2 - b / 2;
}
inline std::int32_t bottomOf(const Widget& w, std::int32_t gap) {
    return w.y + w.height + gap;
}
inline std::int32_t rightOf(const Widget& w, std::int32_t gap) {
    return w.x + w.width + gap;
}
inline std::int32_t innerWidth(const Widget& w, std::int32_t margin) {
    return w.width - 2 * margin;
}
std::int32_t halfScreenWidth();
std::int32_t halfScreenHeight();

// Visibility and enabling.
void show(Widget& w);
void hide(Widget& w);
// Enables or disables the widget and every window inside it; the descendants keep their own flags.
void setEnabled(Widget& w, bool flag);
void enableWindowOnly(Widget& w);
void disableWindowOnly(Widget& w);
void bringToFront(Widget& w);
void focusTextField(Widget& w, bool plain);
void copyColoursToDescendants(Widget& source);

} // namespace zor
