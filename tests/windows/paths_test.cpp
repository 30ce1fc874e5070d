// The program's own directory as Windows reports it.
#include "platform/dialogs.h"
#include "platform/port.h"
#include "toolkit/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zor {
namespace {

TEST(WindowsPaths, ExeDirectoryIsTheModulePathCutAfterItsLastBackslash) {
    char16_t module[260] = {};
    ASSERT_GT(platform::modulePath(module, 260), 0);
    WideText directory;
    ASSERT_TRUE(exeDirectory(directory));
    const std::u16string dir = directory.c_str();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), u'\\');
    EXPECT_EQ(std::u16string(module).rfind(dir, 0), 0u);
    EXPECT_EQ(std::u16string(module).find(u'\\', dir.size()), std::u16string::npos);
}

TEST(WindowsPaths, FileExistsSeesTheProgramItself) {
    char16_t module[260] = {};
    ASSERT_GT(platform::modulePath(module, 260), 0);
    std::u16string wide(module);
    EXPECT_TRUE(platform::fileExists(wide.c_str()));
    wide += u".missing";
    EXPECT_FALSE(platform::fileExists(wide.c_str()));
}

// A write-protected file opens for reading, also while another handle reads it. (Wine run as root lets
// a read-only file be opened for writing too, so the refusal of writing is not looked at here.)
TEST(WindowsFiles, ReadOnlyFileOpensForReadingWhileAnotherHandleReadsIt) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "zor-read-only.cfg";
    const auto removeFile = [&path] {
        std::error_code ignored; // a file left by an earlier run may be read-only, or not there
        std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove(path, ignored);
    };
    removeFile();
    const std::u16string name = path.u16string();
    platform::PortOpenResult created = platform::createFile(name.c_str());
    ASSERT_TRUE(created.ok());
    const std::uint8_t bytes[] = {'~', 'Z', 'O', 'R', '3'};
    EXPECT_TRUE(platform::writePort(created.handle, bytes, sizeof bytes).ok());
    platform::closePort(created.handle);
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);

    platform::PortOpenResult first = platform::openFile(name.c_str(), platform::FileAccess::Read);
    ASSERT_TRUE(first.ok()) << first.error;
    platform::PortOpenResult second = platform::openFile(name.c_str(), platform::FileAccess::Read);
    ASSERT_TRUE(second.ok()) << second.error;
    std::uint8_t read[8] = {};
    EXPECT_EQ(platform::readPort(second.handle, read, sizeof read).count, sizeof bytes);
    platform::closePort(second.handle);
    platform::closePort(first.handle);

    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    std::filesystem::remove(path);
}

// The reason shown after "Handle Invalid": the system's sentence, on one line.
TEST(WindowsFiles, SystemErrorTextIsOneSentenceWithoutLineEnd) {
    for (const std::uint32_t code :
         {platform::error::AccessDenied, platform::error::SharingViolation, platform::error::PathNotFound}) {
        const std::u16string text = platform::systemErrorText(code);
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_EQ(text.find_first_of(u"\r\n"), std::u16string::npos) << code;
    }
}

} // namespace
} // namespace zor
