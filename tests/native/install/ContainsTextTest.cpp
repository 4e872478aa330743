// The case-insensitive substring test of the folder variables.
#include "install/text/ContainsText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using install::ContainsText;
using install::FindText;

TEST(ContainsText, MatchesAsciiLettersInAnyCase) {
  struct Case {
    std::string needle;
    std::string text;
    bool expected;
  };
  const Case cases[] = {
      {"%WINDIR%", "%WINDIR%\\App", true},
      {"%WINDIR%", "%windir%\\App", true},
      {"%installdir%", "x%InstallDir%y", true},
      {"%WINDIR%", "%SYSTEMDIR%\\a\\%WINDIR%", true},
      {"%WINDIR%", "%WINDI", false},
      {"abcd", "abc", false},
      {"表", "C:\\表", true},
      // Only letters fold: "@" and "`", "[" and "{" differ by the same bit.
      {"@", "`", false},
      {"[", "{", false},
      {"\x83", "\xA3", false},
      // Not double-byte aware: the "\" inside "表" is found.
      {"\\", "表", true},
      {"", "abc", true},
      {"", "", false},
      {"a", "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContainsText(c.needle, c.text), c.expected) << c.needle << " in " << c.text;
  }
}

TEST(FindText, GivesTheFirstPositionUnderTheSameComparison) {
  EXPECT_EQ(FindText("%windir%", "a%WinDir%b%WINDIR%"), 1u);
  EXPECT_EQ(FindText("%WINDIR%", "表%windir%"), 2u);
  EXPECT_EQ(FindText("%WINDIR%", "%WINDI"), std::string::npos);
}

}  // namespace
