// The GDI+ text objects every paint asks for, made once and kept until the drawing library shuts down:
// one font family and font per (face, size, style), one string format per pair of alignments.
// Making them costs more than drawing the text (a family is looked up among the installed fonts), and
// the whole form uses a handful. They belong to this cache: painters never release what it hands out,
// and ReleaseTextObjects releases all of it, before GDI+ is shut down after the message loop.
#pragma once

#include "platform/graphics.h"
#include "toolkit/toolkit_hooks.h" // ReleaseTextObjects

#include <cstdint>

namespace zor {

// Null when the face does not exist on the system (that answer is kept too).
platform::FontHandle CachedFont(const char16_t* face, std::int32_t sizePoints, platform::FontStyle style);
// A string format with both alignments set; null only when GDI+ cannot make one.
platform::StringFormatHandle CachedStringFormat(platform::StringAlignment horizontal,
                                                platform::StringAlignment vertical);

} // namespace zor
