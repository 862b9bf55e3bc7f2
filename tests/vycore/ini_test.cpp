#include "vycore/ini.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TEST(Ini, WritesAreReadBackAndKeepOtherValues) {
  vytest::TTempDir dir;
  const std::string file = dir.File("sub/user.ini");  // the folder is created
  EXPECT_EQ(vy::IniReadString(file, "ClearCase", "LastViewDirectory", "d"), "d");
  EXPECT_TRUE(dir.Entries().empty());  // reading writes nothing
  ASSERT_TRUE(vy::IniWriteBool(file, "ClearCase", "UsingCustomObjectSelector", true));
  ASSERT_TRUE(vy::IniWriteString(file, "Other", "LastViewDirectory", "other"));
  ASSERT_TRUE(vy::IniWriteString(file, "ClearCase", "LastViewDirectory", "/views/b"));

  EXPECT_EQ(vy::IniReadString(file, "clearcase", "lastviewdirectory", ""), "/views/b");
  EXPECT_EQ(vy::IniReadString(file, "Other", "LastViewDirectory", ""), "other");
  EXPECT_TRUE(vy::IniReadBool(file, "ClearCase", "UsingCustomObjectSelector", false));
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"sub"}));
}

TEST(Ini, BooleansAreWrittenAsDigitsAndReadInSeveralSpellings) {
  vytest::TTempDir dir;
  const std::string file = dir.File("user.ini");
  ASSERT_TRUE(vy::IniWriteBool(file, "S", "On", true));
  ASSERT_TRUE(vy::IniWriteBool(file, "S", "Off", false));
  EXPECT_EQ(vytest::ReadAll(file), "[S]\nOn=1\nOff=0\n");

  // Each read sees the file as it is now.
  const struct {
    const char* text;
    bool fallback;
    bool expected;
  } cases[] = {{"TRUE", false, true},  {"false", true, false},  {"no", true, false},
               {" yes ", false, true}, {"perhaps", true, true}, {"perhaps", false, false},
               {"", true, true},       {"2", false, false},     {"on", false, false}};
  for (const auto& c : cases) {
    vytest::WriteAll(file, std::string("[S]\nK=") + c.text + "\n");
    EXPECT_EQ(vy::IniReadBool(file, "S", "K", c.fallback), c.expected) << '"' << c.text << '"';
  }
}

// A write that cannot be made loses nothing.
TEST(Ini, StringsComeBackExactly) {
  vytest::TTempDir dir;
  const std::string file = dir.File("user.ini");
  for (const std::string value :
       {"", " lead", "trail\t", "\"quoted\"", "\"", "a \"b\" c", "x=y;z #w", "C:\\views\\v1"}) {
    ASSERT_TRUE(vy::IniWriteString(file, "S", "K", value)) << value;
    EXPECT_EQ(vy::IniReadString(file, "S", "K", "default"), value);
  }
  const std::string before = vytest::ReadAll(file);
  EXPECT_FALSE(vy::IniWriteString(dir.Path(), "S", "K", "w"));  // a folder, not a file
  EXPECT_FALSE(vy::IniWriteString(file, "S", "K", "two\r\nlines"));
  EXPECT_EQ(vytest::ReadAll(file), before);
}

}  // namespace
