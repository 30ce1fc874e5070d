// Widget records: construction, destruction, enabling whole panels, and the end of the message loop.
#include "link/timed_job.h"
#include "platform/window.h"
#include "support/application_lifetime.h"
#include "support/toolkit_fixture.h"
#include "toolkit/layout.h"
#include "toolkit/message_loop.h"

#include <array>
#include <vector>

namespace zor {
namespace {

int disables = 0;
int enables = 0;
int exitHookRuns = 0;
void countDisable(Widget&) {
    ++disables;
}
void countEnable(Widget&) {
    ++enables;
}
void exitHook() {
    ++exitHookRuns;
}

class WidgetLifecycleTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        disables = enables = exitHookRuns = 0;
    }
};

TEST_F(WidgetLifecycleTest, ConstructGivesOpaqueBlackAndInitialValuesAndResetsTheDefaultFont) {
    toolkit.defaultFontFace[0] = u'X';
    toolkit.defaultFontSize = 30;
    Widget w;
    EXPECT_EQ(w.ctbg, 0xFF000000u);
    EXPECT_EQ(w.ctebg, 0xFF000000u);
    EXPECT_EQ(w.imageDisabled[9], 0xFF000000u);
    EXPECT_EQ(w.swatchColour, 0xFF000000u);
    EXPECT_TRUE(w.enabled);
    EXPECT_EQ(w.visualState, Normal);
    EXPECT_EQ(w.fontSize, 10);
    EXPECT_EQ(w.onClick, nullptr);
    ASSERT_NE(w.text, nullptr);
    EXPECT_EQ(w.text->length(), 0);
    EXPECT_EQ(std::u16string(toolkit.defaultFontFace), u"Arial");
    EXPECT_EQ(toolkit.defaultFontSize, 10);
}

TEST_F(WidgetLifecycleTest, DestroyWithoutAWindowKeepsColoursAndResetsTheRest) {
    Widget w;
    w.ctbg = 0xFF123456;
    w.tag = 7;
    w.checked = true;
    w.text->assign(u"abc");
    w.destroy();
    EXPECT_EQ(w.ctbg, 0xFF123456u);
    EXPECT_EQ(w.tag, 0);
    EXPECT_FALSE(w.checked);
    EXPECT_EQ(w.text->length(), 0);
}

TEST_F(WidgetLifecycleTest, DestroyReleasesTheWindowAndStopsTheTimer) {
    openMainWindow();
    Widget button;
    createButton(main, button, u"x", 10, 10, 50, 20, nullptr);
    SetJob(button, 20, [](Widget&) {});
    const platform::WindowHandle window = button.window;
    button.destroy();
    EXPECT_FALSE(platform::isWindow(window));
    EXPECT_EQ(button.window, nullptr);
    EXPECT_EQ(button.backDC, nullptr);
    EXPECT_EQ(button.onTimer, nullptr);
}

TEST_F(WidgetLifecycleTest, OwnFontAcceptsAtMost32Characters) {
    Widget w;
    w.setOwnFont(u"Courier New", 9);
    EXPECT_EQ(std::u16string(w.fontFace), u"Courier New");
    EXPECT_EQ(w.fontSize, 9);
    EXPECT_FALSE(w.ownFont);
    w.setOwnFont(u"123456789012345678901234567890123", 12); // 33 characters: refused
    EXPECT_EQ(std::u16string(w.fontFace), u"Courier New");
    EXPECT_EQ(w.fontSize, 9);
}

TEST_F(WidgetLifecycleTest, CreationCopiesTheParentsColoursUnlessLocked) {
    openMainWindow();
    main.ctbg = 0xFFDCDCDC;
    Widget plain, locked;
    locked.styleLocked = true;
    locked.ctbg = 0xFF00FF00;
    createLabel(main, plain, u"a", 0, 0, 50, 20, false, 0, 0);
    createLabel(main, locked, u"b", 0, 30, 50, 20, false, 0, 0);
    EXPECT_EQ(plain.ctbg, 0xFFDCDCDCu);
    EXPECT_EQ(locked.ctbg, 0xFF00FF00u);
}

TEST_F(WidgetLifecycleTest, DialogWindowStaysHiddenAndTheMainWindowShows) {
    openMainWindow();
    Widget dialog;
    ASSERT_TRUE(createDialogWindow(dialog, 50, 50, 300, 200, u"Pick"));
    EXPECT_FALSE(platform::isWindowVisible(dialog.window));
    EXPECT_TRUE(platform::isWindowVisible(main.window));
    EXPECT_FALSE(createWidgetWindow(dialog, nullptr, 0, 0, 10, 10, nullptr, WidgetKind::None, 0));
    show(dialog);
    EXPECT_TRUE(platform::isWindowVisible(dialog.window));
    hide(dialog);
    EXPECT_EQ(dialog.visualState, Hidden);
    show(dialog);
    EXPECT_EQ(dialog.visualState, Normal);
}

TEST_F(WidgetLifecycleTest, TopLevelFramesLeaveTheClientAreasWindowsGives) {
    openMainWindow(400, 300);
    Widget dialog;
    createDialogWindow(dialog, 100, 100, 300, 200, u"d");
    EXPECT_EQ(main.clientRect.right, 392);
    EXPECT_EQ(main.clientRect.bottom, 273);
    const platform::Rect dialogClient = platform::clientRect(dialog.window);
    EXPECT_EQ(dialogClient.right, 294);
    EXPECT_EQ(dialogClient.bottom, 175);
    Widget field;
    createTextField(main, field, u"", 10, 80, 100, 24, 0, nullptr);
    const platform::Rect editClient = platform::clientRect(field.editWindow);
    EXPECT_EQ(editClient.right, 94);
    EXPECT_EQ(editClient.bottom, 18);
    const platform::Rect edit = platform::windowRect(field.editWindow);
    EXPECT_EQ(edit.left, main.x + 4 + 10);
    EXPECT_EQ(edit.top, main.y + 23 + 80);
}

TEST_F(WidgetLifecycleTest, DisablingAGroupBoxGreysEverythingInsideAndKeepsTheirFlags) {
    openMainWindow();
    Widget group, button, field, offButton;
    createGroupBox(main, group, u"Panel", 10, 10, 300, 200);
    createButton(group, button, u"b", 10, 20, 80, 24, nullptr);
    createTextField(group, field, u"t", 10, 50, 80, 24, 0, nullptr);
    createButton(group, offButton, u"c", 10, 80, 80, 24, nullptr);
    button.onDisable = countDisable;
    button.onEnable = countEnable;
    setEnabled(offButton, false);

    setEnabled(group, false);
    EXPECT_FALSE(group.enabled);
    EXPECT_TRUE(button.enabled); // its own flag is kept
    EXPECT_EQ(button.visualState, Disabled);
    EXPECT_EQ(field.visualState, Disabled);
    EXPECT_EQ(disables, 1);
    EXPECT_FALSE(platform::isWindowEnabled(button.window));
    EXPECT_FALSE(platform::isWindowEnabled(field.editWindow));

    setEnabled(group, true);
    EXPECT_EQ(button.visualState, Normal);
    EXPECT_EQ(enables, 1);
    EXPECT_TRUE(platform::isWindowEnabled(field.editWindow));
    EXPECT_EQ(offButton.visualState, Normal);
    // Its own flag is still clear: the next message it gets shows it disabled again.
    platform::sendMessage(offButton.window, platform::msg::Timer, 1, 0);
    EXPECT_EQ(offButton.visualState, Disabled);
}

TEST_F(WidgetLifecycleTest, ClosingTheMainWindowEndsTheLoopAndRunsTheExitHookOnce) {
    openMainWindow();
    Widget child;
    createButton(main, child, u"x", 10, 10, 50, 20, nullptr);
    toolkit.exitHook = exitHook;
    platform::postMessage(main.window, platform::msg::Close, 0, 0);
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_EQ(exitHookRuns, 1);
    EXPECT_FALSE(platform::isWindow(main.window));
    EXPECT_FALSE(platform::isWindow(child.window));
    EXPECT_TRUE(toolkit.eventsEnabled);
    EXPECT_FALSE(toolkit.graphicsStarted);
}

} // namespace
} // namespace zor

namespace zor {
namespace {

TEST_F(WidgetLifecycleTest, CopyingColoursToDescendantsSkipsLockedWidgets) {
    openMainWindow();
    Widget group, field, label, light;
    createGroupBox(main, group, u"g", 10, 10, 300, 200);
    createTextField(group, field, u"", 10, 20, 100, 25, 0, nullptr);
    createLabel(group, label, u"l", 10, 60, 100, 25, false, 0, 0);
    createLabel(group, light, u"o", 10, 100, 100, 25, false, 0, 0);
    light.styleLocked = true;
    light.ctsd = 0xFF008000;
    main.ctbg = 0xFF111111;
    main.ctsd = 0xFF222222;
    copyColoursToDescendants(main);
    EXPECT_EQ(group.ctbg, 0xFF111111u);
    EXPECT_EQ(field.ctbg, 0xFF111111u);
    EXPECT_EQ(label.ctsd, 0xFF222222u);
    EXPECT_EQ(light.ctsd, 0xFF008000u);
}

} // namespace
} // namespace zor

namespace zor {
namespace {

// A form of global widgets, as the program has: built without the message loop, used, closed, and
// built again in the same process.
Widget formWindow;
std::array<Widget, 6> formGroups;
std::array<Widget, 24> formButtons;
std::array<Widget, 6> formFields;
int formClicks = 0;

std::vector<Widget*> formWidgets() {
    std::vector<Widget*> all{&formWindow};
    for (Widget& w : formGroups)
        all.push_back(&w);
    for (Widget& w : formButtons)
        all.push_back(&w);
    for (Widget& w : formFields)
        all.push_back(&w);
    return all;
}

void buildForm() {
    ASSERT_TRUE(createMainWindow(formWindow, 20, 20, 700, 500, u"Form"));
    toolkit.exitHook = exitHook;
    for (std::size_t g = 0; g < formGroups.size(); ++g) {
        const auto column = static_cast<std::int32_t>(g % 3), row = static_cast<std::int32_t>(g / 3);
        createGroupBox(formWindow, formGroups[g], u"g", 10 + column * 220, 10 + row * 230, 210, 220);
        for (std::size_t b = 0; b < 4; ++b)
            createButton(formGroups[g], formButtons[g * 4 + b], u"b", 10,
                         20 + static_cast<std::int32_t>(b) * 35, 90, 30, [](Widget&) { ++formClicks; });
        createTextField(formGroups[g], formFields[g], u"", 110, 20, 90, 24, 0, nullptr);
    }
}

TEST_F(WidgetLifecycleTest, AFormOfGlobalWidgetsClosesAndStartsAgainFromNothing) {
    formClicks = 0;
    for (int round = 1; round <= 2; ++round) {
        buildForm();
        testing::enterLoop();
        testing::pumpPending();
        testing::click(formButtons[5]);
        EXPECT_EQ(formClicks, round);
        formFields[2].setText(u"12");
        formButtons[5].ctbg = 0xFF123456;
        const platform::WindowHandle button = formButtons[5].window;
        const platform::WindowHandle edit = formFields[2].editWindow;

        testing::closeApplication(formWindow, formWidgets());
        EXPECT_EQ(exitHookRuns, round);
        EXPECT_FALSE(platform::isWindow(button));
        EXPECT_FALSE(platform::isWindow(edit));
        EXPECT_FALSE(toolkit.eventsEnabled);
        EXPECT_FALSE(toolkit.graphicsStarted);
        EXPECT_EQ(formButtons[5].window, nullptr);
        EXPECT_EQ(formButtons[5].onClick, nullptr);
        EXPECT_EQ(formButtons[5].ctbg, 0xFF000000u);
        EXPECT_EQ(formFields[2].editWindow, nullptr);
        EXPECT_EQ(formFields[2].text->length(), 0);
    }
}

} // namespace
} // namespace zor
