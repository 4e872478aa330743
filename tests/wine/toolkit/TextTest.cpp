#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/wine/support/ErrorMessage.h"

namespace {

TEST(Text, ShiftJisAndUtf16ConvertBothWays) {
  struct Case {
    const char* shiftJis;
    const wchar_t* utf16;
  };
  // 表 and ソ end in the byte 0x5C, the backslash of single-byte text.
  const Case cases[] = {
      {"", L""},
      {"Melopad", L"Melopad"},
      {"表", L"\u8868"},
      {"ソフト", L"\u30bd\u30d5\u30c8"},
      {"　休符", L"\u3000\u4f11\u7b26"},
      {"C:\\表\\曲.als", L"C:\\\u8868\\\u66f2.als"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toolkit::Widen(c.shiftJis), c.utf16) << c.shiftJis;
    EXPECT_EQ(toolkit::Narrow(c.utf16), c.shiftJis) << c.shiftJis;
  }
}

// A path is converted exactly or not at all: no byte may be guessed at or
// dropped, or the path would name some other file.
TEST(Text, PathFromTextIsExactOrRefused) {
  struct Case {
    std::string text;
    std::optional<std::wstring> path;  // none: refused
  };
  const Case cases[] = {
      {"", L""},
      {"C:\\melo\\song.als", L"C:\\melo\\song.als"},
      {"C:\\表\\ソフト.als", L"C:\\\u8868\\\u30bd\u30d5\u30c8.als"},
      {"ｶﾅ　曲", L"\uff76\uff85\u3000\u66f2"},
      {"song\x82", std::nullopt},
      {"\x82 .als", std::nullopt},
      {std::string("a\0b.als", 7), std::nullopt},
  };
  for (const Case& c : cases) {
    const std::wstring message =
        testing_support::WideErrorMessageOf([&] { toolkit::PathFromText(c.text); });
    if (c.path) {
      EXPECT_EQ(toolkit::PathFromText(c.text), *c.path) << c.text;
      EXPECT_EQ(message, L"(no error)") << c.text;
    } else {
      EXPECT_TRUE(message.ends_with(L"' はファイル名として使えません"))
          << "no file name error for " << c.text;
    }
  }
}

TEST(Text, LiteralsAreShiftJisBytes) {
  const std::string untitled = "無題";
  EXPECT_EQ(untitled, "\x96\xb3\x91\xe8");
}

}  // namespace
