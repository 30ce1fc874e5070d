// Device contexts and GDI objects of the headless backend: plain records that know their size and
// colour, counted so that tests can see every object released.
#include "platform/headless/headless_gdi.h"
#include "platform/gdi.h"
#include "platform/headless/headless_internal.h"
#include "platform/test_pixels.h"

#include <algorithm>
#include <vector>

namespace zor::platform {

struct SurfaceObject {
    WindowHandle window = nullptr; // the window of a window surface; null for a memory surface
    GdiObject selected = nullptr;
    GdiObject initialBitmap = nullptr; // the one-pixel bitmap a new memory surface starts with
    ColourRef textColour = 0;
    ColourRef backgroundColour = 0xFFFFFF;
};

struct GdiObjectTag {
    headless::GdiKind kind = headless::GdiKind::Bitmap;
    std::int32_t width = 0;
    std::int32_t height = 0;
    ColourRef colour = 0;
    std::u16string face;
    std::int32_t weight = 0;
    bool stock = false;
    std::vector<std::uint32_t> pixels; // bitmaps: 0x00RRGGBB... stored as the platform colour value
};

namespace {

struct GdiRegistry {
    std::vector<SurfaceObject*> surfaces;
    std::vector<GdiObjectTag*> objects;
};

GdiRegistry& registry() {
    static GdiRegistry* r = new GdiRegistry; // outlives the global widgets
    return *r;
}

GdiObject newObject(headless::GdiKind kind) {
    auto* object = new GdiObjectTag;
    object->kind = kind;
    registry().objects.push_back(object);
    return object;
}

bool known(GdiObject object) {
    const auto& all = registry().objects;
    return object != nullptr && std::find(all.begin(), all.end(), object) != all.end();
}

bool knownSurface(SurfaceHandle surface) {
    const auto& all = registry().surfaces;
    return surface != nullptr && std::find(all.begin(), all.end(), surface) != all.end();
}

SurfaceHandle newSurface(WindowHandle window) {
    auto* surface = new SurfaceObject;
    surface->window = window;
    registry().surfaces.push_back(surface);
    return surface;
}

} // namespace

SurfaceHandle windowSurface(WindowHandle window) {
    if (!headless_detail::alive(window)) return nullptr;
    return newSurface(window);
}

void releaseWindowSurface(WindowHandle, SurfaceHandle surface) {
    if (!knownSurface(surface) || surface->window == nullptr) return;
    std::erase(registry().surfaces, surface);
    delete surface;
}

PaintSession beginPaint(WindowHandle window) {
    PaintSession session;
    if (!headless_detail::alive(window)) return session;
    session.erase = window->eraseNeeded;
    session.area = headless_detail::clientArea(*window);
    window->invalid = false;
    window->eraseNeeded = false;
    session.surface = newSurface(window);
    if (session.erase)
        sendMessage(window, msg::EraseBackground, reinterpret_cast<WParam>(session.surface), 0);
    return session;
}

void endPaint(WindowHandle window, const PaintSession& session) {
    releaseWindowSurface(window, session.surface);
}

SurfaceHandle createCompatibleSurface(SurfaceHandle surface) {
    if (surface != nullptr && !knownSurface(surface)) return nullptr;
    if (headless::failNextSurface()) return nullptr;
    SurfaceHandle memory = newSurface(nullptr);
    GdiObject initial = newObject(headless::GdiKind::Bitmap);
    initial->width = initial->height = 1;
    initial->stock = true;
    memory->initialBitmap = initial;
    memory->selected = initial;
    return memory;
}

GdiObject createCompatibleBitmap(SurfaceHandle surface, std::int32_t width, std::int32_t height) {
    if (!knownSurface(surface) || width < 0 || height < 0) return nullptr;
    GdiObject bitmap = newObject(headless::GdiKind::Bitmap);
    bitmap->width = width;
    bitmap->height = height;
    bitmap->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    return bitmap;
}

GdiObject selectObject(SurfaceHandle surface, GdiObject object) {
    if (!knownSurface(surface) || !known(object)) return nullptr;
    GdiObject previous = surface->selected;
    surface->selected = object;
    return previous;
}

bool deleteObject(GdiObject object) {
    if (!known(object)) return false;
    for (SurfaceObject* s : registry().surfaces)
        if (s->selected == object) return false; // Windows refuses to delete a selected object
    std::erase(registry().objects, object);
    delete object;
    return true;
}

bool deleteSurface(SurfaceHandle surface) {
    if (!knownSurface(surface)) return false;
    GdiObject initial = surface->initialBitmap;
    std::erase(registry().surfaces, surface);
    delete surface;
    if (initial != nullptr) {
        std::erase(registry().objects, initial);
        delete initial;
    }
    return true;
}

GdiObject createSolidBrush(ColourRef colour) {
    GdiObject brush = newObject(headless::GdiKind::Brush);
    brush->colour = colour;
    return brush;
}

GdiObject createFont(const FontRequest& request) {
    GdiObject font = newObject(headless::GdiKind::Font);
    font->height = request.height;
    font->width = request.width;
    font->weight = request.weight;
    if (request.face != nullptr) font->face = request.face;
    return font;
}

void fillRect(SurfaceHandle surface, const Rect& rect, GdiObject brush) {
    if (!knownSurface(surface) || !known(brush)) return;
    GdiObject target = surface->selected;
    if (target == nullptr || target->kind != headless::GdiKind::Bitmap || target->pixels.empty()) return;
    const std::int32_t left = std::max(0, rect.left), top = std::max(0, rect.top);
    const std::int32_t right = std::min(target->width, rect.right),
                       bottom = std::min(target->height, rect.bottom);
    for (std::int32_t y = top; y < bottom; ++y)
        for (std::int32_t x = left; x < right; ++x)
            target->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(target->width) +
                           static_cast<std::size_t>(x)] = brush->colour;
}

void setTextColour(SurfaceHandle surface, ColourRef colour) {
    if (knownSurface(surface)) surface->textColour = colour;
}

void setBackgroundColour(SurfaceHandle surface, ColourRef colour) {
    if (knownSurface(surface)) surface->backgroundColour = colour;
}

bool copySurface(SurfaceHandle target, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                 SurfaceHandle source, std::int32_t, std::int32_t) {
    return knownSurface(target) && knownSurface(source);
}

namespace headless {

namespace {
bool failSurfaceOnce = false;
}

bool failNextSurface() {
    const bool fail = failSurfaceOnce;
    failSurfaceOnce = false;
    return fail;
}

void makeNextSurfaceFail() {
    failSurfaceOnce = true;
}

std::size_t liveGdiObjects() {
    std::size_t n = 0;
    for (GdiObjectTag* o : registry().objects)
        if (!o->stock) ++n;
    return n;
}

std::size_t liveSurfaces() {
    return registry().surfaces.size();
}

GdiKind objectKind(GdiObject object) {
    return known(object) ? object->kind : GdiKind::Bitmap;
}
ColourRef objectColour(GdiObject object) {
    return known(object) ? object->colour : 0;
}
std::int32_t bitmapWidth(GdiObject object) {
    return known(object) ? object->width : 0;
}
std::int32_t bitmapHeight(GdiObject object) {
    return known(object) ? object->height : 0;
}
GdiObject selectedObject(SurfaceHandle surface) {
    return knownSurface(surface) ? surface->selected : nullptr;
}
std::u16string fontFace(GdiObject object) {
    return known(object) ? object->face : u"";
}
std::int32_t fontHeight(GdiObject object) {
    return known(object) ? object->height : 0;
}
std::int32_t fontWeight(GdiObject object) {
    return known(object) ? object->weight : 0;
}

} // namespace headless
} // namespace zor::platform

namespace zor::platform::testing {

std::uint32_t surfacePixel(SurfaceHandle surface, std::int32_t x, std::int32_t y) {
    if (!knownSurface(surface)) return 0;
    const GdiObject bitmap = surface->selected;
    if (bitmap == nullptr || bitmap->kind != headless::GdiKind::Bitmap || x < 0 || y < 0 ||
        x >= bitmap->width || y >= bitmap->height || bitmap->pixels.empty())
        return 0;
    const ColourRef value =
        bitmap->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap->width) +
                       static_cast<std::size_t>(x)];
    return 0xFF000000u | ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

} // namespace zor::platform::testing
