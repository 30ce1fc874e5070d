// Input a form test needs beyond clicks and keys: typed text, a resize by the frame, and message
// boxes answered by the script.
#include "platform/dialogs.h"
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/toolkit_fixture.h"

#include <string>
#include <vector>

namespace zor {
namespace {

std::vector<std::u16string> changes;
void recordChange(Widget& w) {
    changes.emplace_back(w.caption());
}
std::vector<std::int32_t> widthsAtResizeEnd;
void recordResizeEnd(Widget& w) {
    widthsAtResizeEnd.push_back(w.width);
}

class ScriptedInputTest : public testing::ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        changes.clear();
        widthsAtResizeEnd.clear();
        openMainWindow();
    }
    static void focusByClick(Widget& field) {
        // The press lands on the edit control, which fills the field.
        platform::testing::leftDown(field.window, 20, 12);
        platform::testing::leftUp(field.window, 20, 12);
        ASSERT_TRUE(testing::pumpUntil([&] { return platform::focusedWindow() == field.editWindow; }, 2000));
    }
};

TEST_F(ScriptedInputTest, TypedTextReachesTheFocusedFieldOneChangeReportPerCharacter) {
    Widget field, digits;
    createTextField(main, field, u"", 10, 10, 150, 24, 0, recordChange);
    createTextField(main, digits, u"", 10, 50, 150, 24, platform::style::EditNumber, recordChange);
    focusByClick(field);
    changes.clear();
    platform::testing::typeText(u"*-+.9zA");
    ASSERT_TRUE(testing::pumpUntil([&] { return changes.size() == 7; }, 3000));
    EXPECT_EQ(changes.front(), u"*");
    EXPECT_EQ(std::u16string(field.caption()), u"*-+.9zA");

    // A digits-only field refuses everything else.
    focusByClick(digits);
    changes.clear();
    platform::testing::typeText(u"1a-2.+3");
    ASSERT_TRUE(testing::pumpUntil([&] { return changes.size() == 3; }, 3000));
    testing::pumpFor(50);
    EXPECT_EQ(std::u16string(digits.caption()), u"123");
    EXPECT_EQ(changes.size(), 3u);
}

TEST_F(ScriptedInputTest, AResizeByTheFrameEndsWithOnResizedSeeingTheNewSize) {
    main.onResized = recordResizeEnd;
    platform::testing::userResize(main.window, 500, 350);
    ASSERT_TRUE(testing::pumpUntil([] { return !widthsAtResizeEnd.empty(); }, 2000));
    EXPECT_EQ(widthsAtResizeEnd, (std::vector<std::int32_t>{500}));
    EXPECT_EQ(main.height, 350);
    EXPECT_FALSE(main.resized);
}

TEST_F(ScriptedInputTest, MessageBoxesGetTheScriptedAnswersInOrder) {
    platform::testing::answerNextBoxes({platform::box::AnswerCancel, platform::box::AnswerOk});
    const std::uint32_t flags = platform::box::OkCancel | platform::box::IconWarning;
    EXPECT_EQ(platform::messageBox(main.window, u"Proceed?", u"Test", flags), platform::box::AnswerCancel);
    EXPECT_EQ(platform::messageBox(main.window, u"Proceed?", u"Test", flags), platform::box::AnswerOk);
}

} // namespace
} // namespace zor
