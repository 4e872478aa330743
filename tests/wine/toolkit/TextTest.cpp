#include "toolkit/Text.h"

#include <gtest/gtest.h>

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

TEST(Text, LiteralsAreShiftJisBytes) {
  const std::string untitled = "無題";
  EXPECT_EQ(untitled, "\x96\xb3\x91\xe8");
}

}  // namespace
