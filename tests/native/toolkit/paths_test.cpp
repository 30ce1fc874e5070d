#include "platform/headless/headless_paths.h"
#include "toolkit/paths.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

namespace headless = platform::headless;

// Folder names the ANSI code page cannot write are kept whole.
TEST(Paths, ExeDirectoryEndsWithTheLastBackslash) {
    headless::resetPaths();
    headless::setModulePath(u"C:\\Склад-Ω\\€ Prüfung\\app.exe");
    WideText directory;
    ASSERT_TRUE(exeDirectory(directory));
    EXPECT_EQ(std::u16string(directory.c_str()), u"C:\\Склад-Ω\\€ Prüfung\\");
    std::u16string sibling;
    ASSERT_TRUE(exeSiblingPath(u"service", sibling));
    EXPECT_EQ(sibling, u"C:\\Склад-Ω\\€ Prüfung\\service");
    headless::setModulePath(u"D:\\app.exe");
    ASSERT_TRUE(exeDirectory(directory));
    EXPECT_EQ(std::u16string(directory.c_str()), u"D:\\");
    headless::setModulePath(u"");
    EXPECT_FALSE(exeDirectory(directory));
    headless::setModulePath(u"C:\\" + std::u16string(300, u'a'));
    EXPECT_FALSE(exeDirectory(directory)); // cut by the platform: not a usable directory
    headless::resetPaths();
}

TEST(Paths, ChosenFileIsUpperCasedAndCancelLeavesTheBuffer) {
    headless::resetPaths();
    char16_t path[260] = u"start.cfg";
    headless::answerNextFileDialog(u"C:\\data\\site1.cfg");
    ASSERT_TRUE(chooseFile(nullptr, u"Config\0*.cfg\0\0", path, true));
    EXPECT_EQ(std::u16string(path), u"C:\\DATA\\SITE1.CFG");
    ASSERT_EQ(headless::fileDialogsShown().size(), 1u);
    EXPECT_EQ(headless::fileDialogsShown()[0].initialName, u"start.cfg");

    char16_t kept[260] = u"keep.cfg";
    headless::answerNextFileDialog(u""); // cancelled
    EXPECT_FALSE(chooseFile(nullptr, u"Config\0*.cfg\0\0", kept, false));
    EXPECT_EQ(std::u16string(kept), u"keep.cfg");
    EXPECT_FALSE(headless::fileDialogsShown()[1].open);
    headless::resetPaths();
}

} // namespace
} // namespace zor

#include "platform/dialogs.h"
#include "platform/headless/headless_port.h"

namespace zor {
namespace {

TEST(Paths, AnInMemoryFileExists) {
    platform::headless::resetPaths();
    platform::headless::resetPorts();
    EXPECT_FALSE(platform::fileExists(u"C:\\ZOR-MX-410\\service"));
    platform::headless::putFile(u"C:\\ZOR-MX-410\\service", {});
    EXPECT_TRUE(platform::fileExists(u"C:\\ZOR-MX-410\\service"));
    platform::headless::resetPorts();
    EXPECT_FALSE(platform::fileExists(u"C:\\ZOR-MX-410\\service"));
}

} // namespace
} // namespace zor
