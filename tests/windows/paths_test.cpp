// The program's own directory as Windows reports it.
#include "platform/dialogs.h"
#include "toolkit/paths.h"

#include <gtest/gtest.h>

#include <string>

namespace zor {
namespace {

TEST(WindowsPaths, ExeDirectoryIsTheModulePathCutAfterItsLastBackslash) {
    char module[260] = {};
    ASSERT_GT(platform::modulePath(module, 260), 0);
    NarrowText directory;
    ASSERT_TRUE(exeDirectory(directory));
    const std::string dir = directory.c_str();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_EQ(std::string(module).rfind(dir, 0), 0u);
    EXPECT_EQ(std::string(module).find('\\', dir.size()), std::string::npos);
}

TEST(WindowsPaths, FileExistsSeesTheProgramItself) {
    char module[260] = {};
    ASSERT_GT(platform::modulePath(module, 260), 0);
    std::u16string wide(module, module + std::char_traits<char>::length(module));
    EXPECT_TRUE(platform::fileExists(wide.c_str()));
    wide += u".missing";
    EXPECT_FALSE(platform::fileExists(wide.c_str()));
}

} // namespace
} // namespace zor
