// Text fields: typing, Tab and Enter as the message loop treats them, focus and selection.
#include "platform/types.h"
#include "platform/window.h"
#include "support/toolkit_fixture.h"
#include "toolkit/layout.h"
#include "toolkit/message_loop.h"

#include <string>

namespace zor {
namespace {

using testing::click;
using testing::pressKey;
using testing::pumpUntil;

struct Seen {
    std::u16string textInHandler;
    int changes = 0;
    std::uint32_t lastKey = 0;
    int keys = 0;
};
Seen seen;

void onChange(Widget& w) {
    ++seen.changes;
    seen.textInHandler = w.caption();
}
void onKey(Widget&, platform::WParam key) {
    seen.lastKey = platform::lowWord(key);
    ++seen.keys;
}

std::u16string editText(const Widget& field) {
    char16_t buffer[256] = {};
    platform::windowText(field.editWindow, buffer, 256);
    return buffer;
}

class FieldTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        seen = Seen{};
        openMainWindow();
    }
};

TEST_F(FieldTest, CreationGivesTheEditControlItsTextStyleAndFont) {
    Widget empty, multi;
    createTextField(main, empty, u"", 10, 10, 120, 24, 0, nullptr);
    createTextField(main, multi, u"abc", 10, 40, 120, 60, platform::style::EditMultiline, nullptr);
    ASSERT_NE(empty.editWindow, nullptr);
    EXPECT_EQ(editText(empty), u"");
    EXPECT_EQ(empty.text->length(), 0);
    EXPECT_FALSE(empty.multiline);
    EXPECT_TRUE(multi.multiline);
    EXPECT_EQ(editText(multi), u"abc");
    EXPECT_NE(multi.editFont, nullptr);
    EXPECT_NE(multi.ctlBrush, nullptr);
    EXPECT_TRUE(isEditControl(multi.editWindow));
    EXPECT_FALSE(isEditControl(multi.window));
}

TEST_F(FieldTest, SetTextReachesTheEditControlAndRunsTheChangeHandlerAtOnce) {
    Widget field;
    createTextField(main, field, u"", 10, 10, 120, 24, 0, onChange);
    field.setText(u"42");
    EXPECT_EQ(editText(field), u"42");
    EXPECT_EQ(seen.textInHandler, u"42");
    EXPECT_GE(seen.changes, 1);
    EXPECT_EQ(field.textAsInt(), 42);
    const int changes = seen.changes;
    field.setText(nullptr); // nothing at all
    EXPECT_EQ(seen.changes, changes);
    EXPECT_EQ(editText(field), u"42");
}

TEST_F(FieldTest, AMultiLineFieldDoesNotReportATextSetToIt) {
    Widget multi;
    createTextField(main, multi, u"", 10, 10, 120, 60, platform::style::EditMultiline, onChange);
    multi.setText(u"x");
    EXPECT_EQ(seen.changes, 0);
    EXPECT_EQ(editText(multi), u"x");
    EXPECT_EQ(std::u16string(multi.caption()), u"x");
}

TEST_F(FieldTest, TypingUpdatesTheBufferBeforeTheHandlerRuns) {
    Widget field;
    createTextField(main, field, u"", 10, 10, 120, 24, 0, onChange);
    field.onKeyDown = onKey;
    click(field);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == field.editWindow; }, 2000));
    pressKey('7');
    pressKey('5');
    ASSERT_TRUE(pumpUntil([&] { return seen.textInHandler == u"75"; }, 2000));
    EXPECT_EQ(std::u16string(field.caption()), u"75");
    EXPECT_EQ(seen.lastKey, static_cast<std::uint32_t>('5'));
    EXPECT_EQ(field.lastKey, static_cast<std::uint32_t>('5'));
}

// The widest value of each of the form's field widths is typed whole: a Modbus cell's 65535 (which fits
// the cell between its narrow margins, so it is also shown whole), a serial number of twelve characters,
// a threshold with six decimals. On Windows a field that does not scroll stops taking text at its right
// edge.
TEST_F(FieldTest, ValuesWiderThanTheFieldAreTypedWhole) {
    struct Case {
        std::int32_t width;
        const char16_t* typed;
    };
    for (const Case& c : {Case{50, u"65535"}, Case{100, u"ZS4100011234"}, Case{170, u"-1234567.123456"}}) {
        Widget field;
        createTextField(main, field, u"", 10, 10, c.width, 25, 0, nullptr);
        click(field);
        ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == field.editWindow; }, 2000));
        platform::testing::typeText(c.typed);
        EXPECT_TRUE(pumpUntil([&] { return std::u16string(field.caption()) == c.typed; }, 2000))
            << c.width << ": " << std::string(field.caption(), field.caption() + field.text->length());
        field.destroy();
    }
}

TEST_F(FieldTest, TabAndShiftTabMoveAlongTheTabOrderWithoutTypingATab) {
    Widget first, second, third;
    createTextField(main, first, u"a", 10, 10, 120, 24, 0, nullptr);
    createTextField(main, second, u"b", 10, 40, 120, 24, 0, nullptr);
    // Multi-line: a tab reaching it would be typed into it.
    createTextField(main, third, u"c", 10, 70, 120, 40, platform::style::EditMultiline, nullptr);
    setTabOrder(first, second);
    setTabOrder(second, third);
    focusTextField(first, true);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == first.editWindow; }, 2000));
    EXPECT_EQ(toolkit.focusedWidget, &first);
    pressKey(platform::key::Tab);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == second.editWindow; }, 2000));
    pressKey(platform::key::Tab);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == third.editWindow; }, 2000));
    pressKey(platform::key::Tab); // no next: the focus stays
    EXPECT_EQ(platform::focusedWindow(), third.editWindow);
    platform::testing::setShift(true);
    pressKey(platform::key::Tab);
    platform::testing::setShift(false);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == second.editWindow; }, 2000));
    EXPECT_EQ(editText(first), u"a");
    EXPECT_EQ(editText(second), u"b");
    EXPECT_EQ(editText(third), u"c");
    EXPECT_EQ(toolkit.focusedWidget, &second);
}

TEST_F(FieldTest, FocusByTabSelectsTheWholeText) {
    Widget first, second;
    createTextField(main, first, u"a", 10, 10, 120, 24, 0, nullptr);
    createTextField(main, second, u"hello", 10, 40, 120, 24, 0, nullptr);
    setTabOrder(first, second);
    focusTextField(first, true);
    pressKey(platform::key::Tab);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == second.editWindow; }, 2000));
    std::int32_t start = -1, end = -1;
    platform::editSelection(second.editWindow, start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
}

TEST_F(FieldTest, EnterIsSwallowedInASingleLineFieldAfterTheKeyHandlerSawIt) {
    Widget single, multi;
    createTextField(main, single, u"", 10, 10, 120, 24, 0, nullptr);
    createTextField(main, multi, u"", 10, 40, 120, 80, platform::style::EditMultiline, nullptr);
    single.onKeyDown = onKey;
    multi.onKeyDown = onKey;
    focusTextField(single, true);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == single.editWindow; }, 2000));
    pressKey('1');
    pressKey(platform::key::Enter);
    ASSERT_TRUE(pumpUntil([] { return seen.lastKey == platform::key::Enter; }, 2000));
    EXPECT_EQ(editText(single), u"1");

    focusTextField(multi, true);
    ASSERT_TRUE(pumpUntil([&] { return platform::focusedWindow() == multi.editWindow; }, 2000));
    pressKey('1');
    pressKey(platform::key::Enter);
    pressKey('2');
    ASSERT_TRUE(pumpUntil([&] { return editText(multi) == u"1\r\n2"; }, 2000))
        << "multi-line text is not 1 CR LF 2";
}

TEST_F(FieldTest, PlacingBelowWithTheSameSizeMovesTheEditControlToo) {
    Widget first, second;
    createTextField(main, first, u"", 10, 10, 150, 26, 0, nullptr);
    createTextField(main, second, u"", 0, 0, 40, 20, 0, nullptr);
    placeBelowSameSize(second, first, 5);
    EXPECT_EQ(second.x, 10);
    EXPECT_EQ(second.y, 41);
    EXPECT_EQ(second.width, 150);
    EXPECT_EQ(second.height, 26);
    const platform::Rect edit = platform::windowRect(second.editWindow);
    const platform::Rect outer = platform::windowRect(second.window);
    EXPECT_EQ(edit.left, outer.left);
    EXPECT_EQ(edit.top, outer.top);
    EXPECT_EQ(edit.right - edit.left, 150);
    EXPECT_EQ(edit.bottom - edit.top, 26);
}

} // namespace
} // namespace zor
