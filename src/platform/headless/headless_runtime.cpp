// Message boxes, the beep and the drawing library of the headless backend: recorded for tests.
#include "platform/dialogs.h"
#include "platform/graphics_runtime.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_internal.h"
#include "platform/test_input.h"

#include <deque>
#include <functional>

namespace zor::platform {

namespace {
struct DialogLog {
    std::vector<headless::ShownBox> boxes;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> beeps;
    struct Answer {
        std::int32_t button = box::AnswerOk;
        std::uint32_t upForMs = 0;
    };
    std::deque<Answer> answers;    // scripted by the test, for the next boxes
    std::function<void()> whileUp; // the test's input while the next box is up
    bool graphicsRunning = false;
    int graphicsStarts = 0;
};
DialogLog& log() {
    static DialogLog* l = new DialogLog; // outlives the global widgets
    return *l;
}
} // namespace

std::int32_t messageBox(WindowHandle owner, const char16_t* text, const char16_t* caption,
                        std::uint32_t flags) {
    DialogLog::Answer answer; // the default button at once when the script says nothing
    if (!log().answers.empty()) {
        answer = log().answers.front();
        log().answers.pop_front();
    }
    headless_detail::Backend& b = headless_detail::backend();
    if (b.leftButtonHeld) {
        b.leftButtonHeld = false;
        b.pressTakenByBox = true;
    }
    // Shown (and logged) before its modal loop runs: jobs that run under the box see it up.
    log().boxes.push_back(headless::ShownBox{owner, text != nullptr ? text : u"",
                                             caption != nullptr ? caption : u"", flags, answer.button});
    const std::size_t shown = log().boxes.size() - 1;
    // As Windows does: a box with an owner takes the owner's top-level window out of use while it is
    // up; one without leaves every window usable.
    WindowHandle root = owner;
    while (root != nullptr && !headless_detail::isTopLevel(*root) && headless_detail::alive(root->parent))
        root = root->parent;
    const bool disable = root != nullptr && isWindowEnabled(root);
    if (disable) enableWindow(root, false);
    if (log().whileUp) {
        const std::function<void()> input = std::move(log().whileUp);
        log().whileUp = nullptr;
        input();
    }
    headless_detail::runModalLoop(answer.upForMs);
    if (disable) enableWindow(root, true);
    log().boxes[shown].closed = true;
    return answer.button;
}

void beep(std::uint32_t frequencyHz, std::uint32_t durationMs) {
    log().beeps.emplace_back(frequencyHz, durationMs);
}

bool startGraphics(std::uintptr_t& token) {
    log().graphicsRunning = true;
    token = static_cast<std::uintptr_t>(++log().graphicsStarts);
    return true;
}

void shutdownGraphics(std::uintptr_t) {
    log().graphicsRunning = false;
}

namespace headless_detail {
void forgetBoxAnswers() {
    log().answers.clear();
    log().whileUp = nullptr;
}
} // namespace headless_detail

namespace testing {
void answerNextBoxes(std::initializer_list<std::int32_t> answers) {
    for (std::int32_t button : answers)
        log().answers.push_back({button, 0});
}
} // namespace testing

namespace headless {
void whileNextBoxIsUp(std::function<void()> input) {
    log().whileUp = std::move(input);
}
void answerNextBoxAfter(std::int32_t answer, std::uint32_t upForMs) {
    log().answers.push_back({answer, upForMs});
}
const std::vector<ShownBox>& shownBoxes() {
    return log().boxes;
}
const std::vector<std::pair<std::uint32_t, std::uint32_t>>& beeps() {
    return log().beeps;
}
bool graphicsRunning() {
    return log().graphicsRunning;
}
void clearDialogLog() {
    log().boxes.clear();
    log().beeps.clear();
}
} // namespace headless

} // namespace zor::platform
