// Colour conversion: ARGB everywhere, the platform's BGR value only where GDI or the edit control needs it.
#pragma once

#include "platform/gdi.h"
#include "toolkit/widget_colours.h"

namespace zor {

// Drops the alpha byte and swaps red and blue: 0xAARRGGBB becomes 0x00BBGGRR.
constexpr platform::ColourRef ToColorRef(Argb colour) {
    return ((colour >> 16) & 0xFFu) | (colour & 0xFF00u) | ((colour & 0xFFu) << 16);
}

} // namespace zor
