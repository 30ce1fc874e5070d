// A main window with distinct colours in every style slot, children created in it, and the calls the
// recording graphics kept while one widget was painted.
#pragma once

#include "platform/gdi.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_gdi.h"
#include "platform/headless/headless_graphics.h"
#include "platform/window.h"
#include "render/text_objects.h"
#include "toolkit/toolkit_hooks.h"
#include "toolkit/widget_create.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zor::render_test {

using platform::RectF;
using platform::headless::DrawCall;
using platform::headless::DrawOp;
using platform::headless::PathSegment;

inline bool sameRect(const RectF& a, const RectF& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline ::testing::AssertionResult rectIs(const RectF& actual, float x, float y, float width, float height) {
    if (sameRect(actual, RectF{x, y, width, height})) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "rectangle is (" << actual.x << ", " << actual.y << ", " << actual.width << ", "
           << actual.height << "), expected (" << x << ", " << y << ", " << width << ", " << height << ")";
}

class RenderTest : public ::testing::Test {
  protected:
    Widget window;

    void SetUp() override {
        platform::headless::reset();
        platform::headless::resetGraphics();
        platform::headless::clearDialogLog();
        ReleaseTextObjects();
        ASSERT_TRUE(createMainWindow(window, 0, 0, 640, 480, u"Render"));
        // Every style colour different, so that a test sees which one a painter took.
        for (std::size_t i = 0; i < std::size(styleColourFields); ++i)
            window.*styleColourFields[i] = 0xFF100000u + static_cast<Argb>(i);
        toolkit.eventsEnabled = true;
    }

    void TearDown() override {
        for (Widget* w : created)
            w->destroy();
        window.destroy();
        ReleaseTextObjects(); // as the program does before the drawing library shuts down
        platform::headless::reset();
        platform::headless::resetGraphics();
    }

    // Takes the back buffer away as a failed rebuild leaves it.
    void dropBackBuffer(Widget& w) {
        if (w.backDC == nullptr) makeBackBuffer(w);
        platform::deleteObject(platform::selectObject(w.backDC, w.backOldBitmap));
        platform::deleteSurface(w.backDC);
        w.backDC = nullptr;
        w.backBitmap = nullptr;
        w.backOldBitmap = nullptr;
        dropped.push_back(&w);
    }

    Widget& keep(Widget& w) {
        created.push_back(&w);
        return w;
    }

    // Paints the widget on a window DC and returns what was recorded. The first paint gives the widget
    // its back buffer, as its first paint message does, unless the test took the buffer away.
    const std::vector<DrawCall>& paint(Widget& w) {
        if (w.backDC == nullptr && std::find(dropped.begin(), dropped.end(), &w) == dropped.end())
            makeBackBuffer(w);
        platform::headless::clearDrawCalls();
        platform::SurfaceHandle surface = platform::windowSurface(w.window);
        paintWidget(surface, w);
        platform::releaseWindowSurface(w.window, surface);
        return platform::headless::drawCalls();
    }

    static std::vector<DrawCall> only(const std::vector<DrawCall>& calls, DrawOp op) {
        std::vector<DrawCall> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [op](const DrawCall& c) { return c.op == op; });
        return out;
    }

  private:
    std::vector<Widget*> created;
    std::vector<const Widget*> dropped;
};

} // namespace zor::render_test
