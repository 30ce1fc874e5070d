// Owners of the drawing objects made inside one paint: each releases its object when the paint's
// scope ends. Fonts and string formats are not made per paint: render/text_objects.h keeps them.
#pragma once

#include "platform/graphics.h"

namespace zor {

template <typename Object, void (*Release)(Object*)>
class Owned {
  public:
    explicit Owned(Object* handle = nullptr) : handle_(handle) {}
    ~Owned() {
        if (handle_ != nullptr) Release(handle_);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    Owned& operator=(Owned&&) = delete;

    Object* get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    Object* handle_;
};

using OwnedGraphics = Owned<platform::GraphicsObject, platform::deleteGraphics>;
using OwnedPen = Owned<platform::PenObject, platform::deletePen>;
using OwnedBrush = Owned<platform::BrushObject, platform::deleteBrush>;
using OwnedPath = Owned<platform::PathObject, platform::deletePath>;
using OwnedFontFamily = Owned<platform::FontFamilyObject, platform::deleteFontFamily>;
using OwnedFont = Owned<platform::FontObject, platform::deleteFont>;

// A pen of a colour and width; Dash for focus rectangles.
inline OwnedPen makePen(std::uint32_t argb, float width,
                        platform::DashStyle dash = platform::DashStyle::Solid) {
    OwnedPen pen(platform::createPen(argb, width));
    if (dash != platform::DashStyle::Solid) platform::setPenDashStyle(pen.get(), dash);
    return pen;
}

inline OwnedBrush makeBrush(std::uint32_t argb) {
    return OwnedBrush(platform::createSolidFill(argb));
}

} // namespace zor
