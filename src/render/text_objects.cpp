#include "render/text_objects.h"

#include <string>
#include <vector>

namespace zor {

namespace {

using namespace platform;

struct FontEntry {
    std::u16string face;
    std::int32_t size;
    FontStyle style;
    FontFamilyHandle family;
    FontHandle font;
};

struct FormatEntry {
    StringAlignment horizontal;
    StringAlignment vertical;
    StringFormatHandle format;
};

struct TextObjects {
    std::vector<FontEntry> fonts;
    std::vector<FormatEntry> formats;
};

// Never destroyed: what it holds is released by ReleaseTextObjects, not at process end, where GDI+
// may already be gone.
TextObjects& cache() {
    static TextObjects& objects = *new TextObjects;
    return objects;
}

} // namespace

FontHandle CachedFont(const char16_t* face, std::int32_t sizePoints, FontStyle style) {
    if (face == nullptr) return nullptr;
    for (const FontEntry& e : cache().fonts)
        if (e.size == sizePoints && e.style == style && e.face == face) return e.font;
    FontFamilyHandle family = createFontFamily(face);
    FontHandle font = createGraphicsFont(family, static_cast<float>(sizePoints), style);
    cache().fonts.push_back(FontEntry{face, sizePoints, style, family, font});
    return font;
}

StringFormatHandle CachedStringFormat(StringAlignment horizontal, StringAlignment vertical) {
    for (const FormatEntry& e : cache().formats)
        if (e.horizontal == horizontal && e.vertical == vertical) return e.format;
    StringFormatHandle format = createStringFormat();
    if (format == nullptr) return nullptr; // tried again at the next paint
    setStringAlignment(format, horizontal);
    setLineAlignment(format, vertical);
    cache().formats.push_back(FormatEntry{horizontal, vertical, format});
    return format;
}

void ReleaseTextObjects() {
    for (const FontEntry& e : cache().fonts) {
        deleteFont(e.font);
        deleteFontFamily(e.family);
    }
    for (const FormatEntry& e : cache().formats)
        deleteStringFormat(e.format);
    cache() = TextObjects{};
}

} // namespace zor
