#include "platform/profile.h"

#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace zor {
namespace {

using IniFile = testing::SettingsFile;

TEST(Profile, MissingFileSectionKeyOrValueGivesTheDefault) {
    IniFile ini("profile_missing.ini");
    EXPECT_EQ(ini.read(u"S", u"k"), -99);
    ini.write("[S]\nk=\nother=3\n");
    EXPECT_EQ(ini.read(u"T", u"k"), -99);
    EXPECT_EQ(ini.read(u"S", u"absent"), -99);
    EXPECT_EQ(ini.read(u"S", u"k"), -99); // empty value
}

TEST(Profile, ValuesReadAsTheirLeadingDecimalNumber) {
    IniFile ini("profile_values.ini");
    ini.write("junk line without equals\r\n[s]\r\n ; a comment\r\nA = -2302756 \r\nb=12abc\r\nc=abc\r\n"
              "d=+5\r\ne=2147483647\r\n[next]\r\nf=1\r\n");
    EXPECT_EQ(ini.read(u"S", u"a"), -2302756); // names ignore case, blanks around values too
    EXPECT_EQ(ini.read(u"s", u"b"), 12);
    EXPECT_EQ(ini.read(u"s", u"c"), 0);
    EXPECT_EQ(ini.read(u"s", u"d"), 5);
    EXPECT_EQ(ini.read(u"s", u"e"), 2147483647);
    EXPECT_EQ(ini.read(u"s", u"f"), -99); // belongs to the next section
    EXPECT_EQ(ini.read(u"next", u"f"), 1);
}

TEST(Profile, VeryLongLinesAndBinaryJunkDoNotHideLaterKeys) {
    IniFile ini("profile_long.ini");
    ini.write("[s]\n" + std::string(100000, 'x') + "\n" + std::string(70000, '=') + "\n" +
              std::string("\x01\xff\x80[\n", 5) + "long" + std::string(5000, 'k') + "=1\nkey=77\n");
    EXPECT_EQ(ini.read(u"s", u"key"), 77);
}

TEST(Profile, WritesAddAndReplaceKeysAndKeepEverythingElse) {
    IniFile ini("profile_write.ini");
    EXPECT_TRUE(platform::profileWriteString(ini.path.c_str(), u"s", u"a", u"1"));
    EXPECT_EQ(ini.read(u"s", u"a"), 1);
    ini.write("; kept\n[s]\na=1\n\n[t]\nb=2\n");
    EXPECT_TRUE(platform::profileWriteString(ini.path.c_str(), u"s", u"c", u"3"));
    EXPECT_TRUE(platform::profileWriteString(ini.path.c_str(), u"S", u"A", u"-4"));
    EXPECT_TRUE(platform::profileWriteString(ini.path.c_str(), u"t", u"b", u"5"));
    EXPECT_EQ(ini.read(u"s", u"a"), -4);
    EXPECT_EQ(ini.read(u"s", u"c"), 3);
    EXPECT_EQ(ini.read(u"t", u"b"), 5);
    const std::string text = ini.text();
    EXPECT_NE(text.find("; kept"), std::string::npos);
    EXPECT_EQ(text.find("a=1"), std::string::npos); // replaced, not added twice
    EXPECT_LT(text.find("c=3"), text.find("[t]"));  // added to its own section
}

TEST(Profile, WriteThatCannotBeDoneFailsAndLeavesWhatWasThere) {
#ifdef _WIN32
    const char16_t* path = u".\\no_such_directory\\x.ini";
#else
    const char16_t* path = u"./no_such_directory/x.ini";
#endif
    EXPECT_FALSE(platform::profileWriteString(path, u"s", u"a", u"1"));
    EXPECT_EQ(platform::profileReadInt(path, u"s", u"a", 8), 8);

    // Something that is not a file is left as it is.
    IniFile directory("profile_directory.ini");
    std::filesystem::create_directory(directory.name);
    EXPECT_FALSE(platform::profileWriteString(directory.path.c_str(), u"s", u"a", u"1"));
    EXPECT_TRUE(std::filesystem::is_directory(directory.name));
    std::filesystem::remove(directory.name);
}

} // namespace
} // namespace zor
