// The theme: 25 named colours and three ten-entry palettes that top-level windows copy at creation.
#pragma once

#include "toolkit/widget.h"

namespace zor {

struct Theme {
    Argb ctbg = 0;
    Argb cttn = 0;
    Argb cttmo = 0;
    Argb cttmd = 0;
    Argb cttd = 0;
    Argb ctfn = 0;
    Argb ctfmo = 0;
    Argb ctfmd = 0;
    Argb ctfd = 0;
    Argb ctgc = 0;
    Argb ctbn = 0;
    Argb ctbmo = 0;
    Argb ctbmd = 0;
    Argb ctbd = 0;
    Argb ctol = 0;
    Argb ctold = 0;
    Argb ctsn = 0;
    Argb ctsmd = 0;
    Argb ctsd = 0;
    Argb ctcc = 0;
    Argb ctccd = 0;
    Argb ctawa = 0;
    Argb ctpub = 0;
    Argb cttbb = 0;
    Argb ctebg = 0;
    Palette ibmn{};
    Palette ibmm{};
    Palette ibmd{};
};

// The program's one theme, filled at start-up before any widget exists.
extern Theme theme;

// Copy all colours and palettes by name; a widget whose styleLocked is set keeps its own.
void ApplyTheme(Widget& widget, const Theme& source);
void CopyColours(Widget& child, const Widget& parent);

} // namespace zor
