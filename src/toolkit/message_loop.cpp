#include "toolkit/message_loop.h"

#include "platform/graphics_runtime.h"
#include "platform/window.h"
#include "toolkit/text_buffer.h"
#include "toolkit/toolkit_hooks.h"
#include "toolkit/widget.h"
#include "toolkit/window_procedure.h"

namespace zor {

namespace {

// Class names are read into one buffer of 50 characters, made on first use.
WideText& classNameBuffer() {
    static WideText buffer;
    if (buffer.data == nullptr) buffer.initWithCapacity(50);
    return buffer;
}

bool swallowedByTextField(const platform::Message& message) {
    if (message.message != platform::msg::KeyDown || !isEditControl(message.window)) return false;
    Widget* field = Widget::fromWindow(platform::parentWindow(message.window));
    if (field == nullptr) return false;
    keyDown(*field, message.first);
    const std::uint32_t key = platform::lowWord(message.first);
    return key == platform::key::Tab || (key == platform::key::Enter && !field->multiline);
}

// Once the message is handled, not at each notice it sent on the way: the record shown into forty fields
// is one change, and the comparison behind the title's mark would otherwise run forty times. Of the
// ticks, only a top-level window's run jobs that change settings; the lights' blinks do not.
bool mayChangeSettings(const platform::Message& message) {
    using namespace platform::msg;
    if (message.message == Timer) {
        const Widget* target = Widget::fromWindow(message.window);
        return target != nullptr && target->isTopLevel();
    }
    return message.message == LeftUp || message.message == RightUp || message.message == KeyDown ||
           message.message == Char;
}

} // namespace

bool isEditControl(platform::WindowHandle window) {
    WideText& buffer = classNameBuffer();
    if (buffer.data == nullptr || window == nullptr) return false;
    platform::windowClassName(window, buffer.data, 50);
    const char16_t* expected = u"Edit";
    std::int32_t i = 0;
    for (; expected[i] != 0; ++i)
        if (buffer.data[i] != expected[i]) return false;
    return buffer.data[i] == 0;
}

void handleLoopMessage(const platform::Message& message) {
    if (!swallowedByTextField(message)) {
        platform::translateMessage(message);
        platform::dispatchMessage(message);
    }
    if (toolkit.eventsEnabled && toolkit.afterInput != nullptr && mayChangeSettings(message))
        toolkit.afterInput();
}

void beginMessageLoop() {
    toolkit.eventsEnabled = true;
}

void endMessageLoop() {
    if (toolkit.exitHook != nullptr) toolkit.exitHook();
    if (toolkit.graphicsStarted) {
        ReleaseTextObjects();
        platform::shutdownGraphics(toolkit.graphicsToken);
        toolkit.graphicsStarted = false;
    }
}

int runMessageLoop() {
    beginMessageLoop();
    platform::Message message;
    std::int32_t code = 0;
    while (platform::getMessage(message, code))
        handleLoopMessage(message);
    endMessageLoop();
    return code;
}

} // namespace zor
