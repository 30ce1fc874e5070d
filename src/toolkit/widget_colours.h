// The colours every widget carries and the theme they come from: 25 named style colours and three
// ten-entry pattern palettes, all 0xAARRGGBB. The names are the settings keys of the custom theme, so
// they stay as they are. Painters read the colours from the widget being painted, never from the theme.
#pragma once

#include <array>
#include <cstdint>

namespace zor {

using Argb = std::uint32_t;
using Palette = std::array<Argb, 10>;

struct WidgetColours {
    Argb ctbg = 0;  // background of windows, panels, labels, boxes and groups; the edit control's first brush
    Argb cttn = 0;  // text, normal; text of an editable text field
    Argb cttmo = 0; // text, mouse over
    Argb cttmd = 0; // text, mouse down
    Argb cttd = 0;  // text, disabled; text of a read-only text field
    Argb ctfn = 0;  // face of a button or check/radio box, normal
    Argb ctfmo = 0; // face, mouse over
    Argb ctfmd = 0; // face, mouse down
    Argb ctfd = 0;  // face, disabled; background of read-only fields and of disabled field-look labels
    Argb ctgc = 0;  // gloss: the translucent highlight over the upper part of a rounded button
    Argb ctbn = 0;  // border, normal; the dashed focus rectangle and a bordered label's frame
    Argb ctbmo = 0; // border, mouse over
    Argb ctbmd = 0; // border, mouse down
    Argb ctbd = 0;  // border, disabled; a disabled bordered label's frame
    Argb ctol = 0;  // outline of a group box
    Argb ctold = 0; // outline of a disabled group box
    Argb ctsn = 0;  // selection mark (check square, radio dot) when checked, normal and mouse over
    Argb ctsmd = 0; // selection mark, mouse down
    Argb ctsd = 0;  // selection mark of a disabled, checked box
    Argb ctcc = 0;  // face of a checked menu item (a kind never created here; no painter uses it)
    Argb ctccd = 0; // face of a checked, disabled menu item (no painter uses it)
    Argb ctpub = 0; // background of pop-up windows and menu items (no painter uses it)
    Argb cttbb = 0; // background of tool bars and tool buttons (no painter uses it)
    Argb ctawa = 0; // background of the main window
    Argb ctebg = 0; // background of an editable text field and of a label with the field look
    // Colours of 16x16 pattern images (a kind never created here); entry 0 stands for the background
    // behind the image and has no settings key, entries 1..9 are the keys ibmn1..9, ibmm1..9, ibmd1..9.
    Palette imageNormal{};   // "ibmn": normal
    Palette imageHover{};    // "ibmm": mouse over or down
    Palette imageDisabled{}; // "ibmd": disabled

    bool operator==(const WidgetColours&) const = default;
};

// The 25 style colours in the widget's order.
inline constexpr Argb WidgetColours::*styleColourFields[25] = {
    &WidgetColours::ctbg,  &WidgetColours::cttn,  &WidgetColours::cttmo, &WidgetColours::cttmd,
    &WidgetColours::cttd,  &WidgetColours::ctfn,  &WidgetColours::ctfmo, &WidgetColours::ctfmd,
    &WidgetColours::ctfd,  &WidgetColours::ctgc,  &WidgetColours::ctbn,  &WidgetColours::ctbmo,
    &WidgetColours::ctbmd, &WidgetColours::ctbd,  &WidgetColours::ctol,  &WidgetColours::ctold,
    &WidgetColours::ctsn,  &WidgetColours::ctsmd, &WidgetColours::ctsd,  &WidgetColours::ctcc,
    &WidgetColours::ctccd, &WidgetColours::ctpub, &WidgetColours::cttbb, &WidgetColours::ctawa,
    &WidgetColours::ctebg,
};

} // namespace zor
