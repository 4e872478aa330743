// Path pieces cut at "\" the double-byte aware way, and the drive-root test.
#include "install/text/Paths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using install::ExcludeTrailingBackslash;
using install::ExtractFileDir;
using install::ExtractFileExt;
using install::ExtractFileName;
using install::IncludeTrailingBackslash;
using install::IsDriveRoot;

struct TextCase {
  std::string input;
  std::string expected;
};

TEST(IncludeTrailingBackslash, AddsOnlyWhenMissing) {
  const TextCase cases[] = {
      {"C:\\Dir", "C:\\Dir\\"},
      {"C:\\Dir\\", "C:\\Dir\\"},
      {"C:\\表", "C:\\表\\"},
      {"ソ", "ソ\\"},
      {"", "\\"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(IncludeTrailingBackslash(c.input), c.expected);
}

TEST(ExcludeTrailingBackslash, DropsOnlyARealBackslash) {
  const TextCase cases[] = {
      {"C:\\Dir\\", "C:\\Dir"},
      {"C:\\Dir", "C:\\Dir"},
      {"C:\\表", "C:\\表"},
      {"表\\", "表"},
      {"", ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(ExcludeTrailingBackslash(c.input), c.expected);
}

TEST(ExtractFileName, TakesTextAfterLastRealBackslash) {
  const TextCase cases[] = {
      {"C:\\表\\ソ.txt", "ソ.txt"}, {"ソ.txt", "ソ.txt"}, {"C:\\Dir\\", ""},
      {"C:app.exe", "app.exe"},     {"表", "表"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(ExtractFileName(c.input), c.expected) << c.input;
}

TEST(ExtractFileExt, TakesDotOfTheFileNameOnly) {
  const TextCase cases[] = {
      {"C:\\表\\ソ.txt", ".txt"},
      {"Scores.dat", ".dat"},
      {"C:\\a.b\\name", ""},
      {"name.", "."},
      {"表", ""},
      {"a.tar.gz", ".gz"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(ExtractFileExt(c.input), c.expected) << c.input;
}

TEST(ExtractFileDir, TakesTextBeforeLastRealBackslash) {
  const TextCase cases[] = {
      {"C:\\表\\ソ.txt", "C:\\表"},
      {"C:\\ソ", "C:"},
      {"name", ""},
      {"表\\", "表"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(ExtractFileDir(c.input), c.expected) << c.input;
}

TEST(IsDriveRoot, AcceptsLetterColonWithOrWithoutBackslash) {
  struct Case {
    std::string path;
    bool expected;
  };
  const Case cases[] = {
      {"C:\\", true},
      {"C:", true},
      {"c:\\", true},
      {"a:", true},
      {"Z:\\", true},
      {"z:", true},
      {"C:\\Dir", false},
      {"C", false},
      {"", false},
      {"1:\\", false},
      {"CC:", false},
      {"C:/", false},
      {"\\\\srv\\share", false},
      {"@:", false},
      {"[:", false},
      {"C:\\\\", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsDriveRoot(c.path), c.expected) << c.path;
}

// The same pieces of UTF-16 paths, where a character such as "\u00a5" is
// never a separator.
TEST(WidePaths, CutAtBackslashAndDriveColon) {
  const std::wstring yen = L"C:\\a\u00a5b\\c\u00a5d.t\u00a5t";
  EXPECT_EQ(ExtractFileName(yen), L"c\u00a5d.t\u00a5t");
  EXPECT_EQ(ExtractFileExt(yen), L".t\u00a5t");
  EXPECT_EQ(ExtractFileDir(yen), L"C:\\a\u00a5b");
  EXPECT_EQ(ExtractFileName(std::wstring(L"C:app.exe")), L"app.exe");
  EXPECT_EQ(ExtractFileExt(std::wstring(L"C:\\a.b\\name")), L"");
  EXPECT_EQ(IncludeTrailingBackslash(std::wstring(L"C:\\Dir")), L"C:\\Dir\\");
  EXPECT_EQ(IncludeTrailingBackslash(std::wstring(L"C:\\Dir\\")), L"C:\\Dir\\");
  EXPECT_EQ(ExcludeTrailingBackslash(std::wstring(L"C:\\Dir\\")), L"C:\\Dir");
  EXPECT_EQ(ExcludeTrailingBackslash(std::wstring(L"")), L"");
}

}  // namespace
