// The colours every widget carries: 25 named style colours and three ten-entry pattern palettes,
// all 0xAARRGGBB. Painters read them from the widget being painted, never from the theme.
#pragma once

#include <array>
#include <cstdint>

namespace zor {

using Argb = std::uint32_t;
using Palette = std::array<Argb, 10>;

struct WidgetColours {
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
    Argb ctpub = 0;
    Argb cttbb = 0;
    Argb ctawa = 0;
    Argb ctebg = 0;
    Palette imageNormal{};
    Palette imageHover{};
    Palette imageDisabled{};

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
