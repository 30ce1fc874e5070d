// Making a constructed widget into a control: its "WinObj" window, back buffer and, for a text field,
// the native edit control inside it.
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// The core of every creation operation; true when the window exists.
bool createWidgetWindow(Widget& widget, platform::WindowHandle parent, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, const char16_t* text, WidgetKind kind,
                        std::uint32_t editStyle, bool showTopLevel = true);
// (Re)makes the font of a text field's edit control, for the screen's scale of now.
void makeEditFont(Widget& widget, bool redraw);
// (Re)makes the widget's back buffer at its current size.
bool makeBackBuffer(Widget& widget);

// Children: each creates the child in the parent's window and ends by copying the parent's colours.
Widget& createButton(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                     std::int32_t width, std::int32_t height, WidgetCallback onClick);
Widget& createButton(Widget& parent, Widget& child, const char16_t* text, WidgetCallback onClick);
Widget& createGroupBox(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                       std::int32_t width, std::int32_t height);
Widget& createGroupBox(Widget& parent, Widget& child, const char16_t* text);
Widget& createTextField(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, std::uint32_t editStyle,
                        WidgetCallback onTextChange);
Widget& createRadioButton(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                          std::int32_t width, std::int32_t height, WidgetCallback onClick);
Widget& createRadioButton(Widget& parent, Widget& child, const char16_t* text, WidgetCallback onClick);
Widget& createCheckBox(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                       std::int32_t width, std::int32_t height, WidgetCallback onClick);
Widget& createLabel(Widget& parent, Widget& child, const char16_t* text, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, bool bordered, std::int32_t alignH,
                    std::int32_t alignV);

// Top-level windows.
bool createDialogWindow(Widget& widget, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char16_t* title);
// Also clears the exit hook and the focused widget, copies the theme in and closes the event gate.
// Not shown: for a window that is shown once everything in it is built.
bool createMainWindow(Widget& widget, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      const char16_t* title, bool shown = true);

} // namespace zor
