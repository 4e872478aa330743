// Separator search that never takes the second byte of a double-byte
// character ("表" is 95 5C, "ソ" is 83 5C, "ポ" is 83 7C) for a separator.
#include "install/text/DbcsText.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace {

using install::FindLastSeparator;
using install::FindSeparator;
using install::SplitAtLast;
using install::TextAfterFirst;

constexpr auto npos = std::string::npos;

TEST(DbcsText, LiteralsAreShiftJisWithBackslashAndBarTrailBytes) {
  EXPECT_EQ(std::string("表"), "\x95\x5C");
  EXPECT_EQ(std::string("ソ"), "\x83\x5C");
  EXPECT_EQ(std::string("ポ"), "\x83\x7C");
}

TEST(FindSeparator, SkipsSecondBytesOfDoubleByteCharacters) {
  struct Case {
    std::string text;
    char separator;
    std::size_t expected;
  };
  const Case cases[] = {
      {"a|b", '|', 1},
      {"表\\x", '\\', 2},
      {"ソ|x", '|', 2},
      {"ポ|x", '|', 2},
      {"表\\ソ|x", '\\', 2},
      {"表\\ソ|x", '|', 5},
      {"ソ", '\\', npos},
      {"ポ", '|', npos},
      {"", '|', npos},
      // Half-width katakana (0xA1-0xDF) are single bytes.
      {"\xB1\\x", '\\', 1},
      // 0x80 and 0xFD are no lead bytes either.
      {"\x80\\", '\\', 1},
      {"\xFD|", '|', 1},
      // A lead byte cut off at the end takes nothing with it.
      {"a\x83", '\\', npos},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindSeparator(c.text, c.separator), c.expected) << c.text;
  }
}

TEST(FindSeparator, StartsAtFromButKeepsCharacterBoundaries) {
  EXPECT_EQ(FindSeparator("a|b|c", '|', 2), 3u);
  EXPECT_EQ(FindSeparator("a|b|c", '|', 4), npos);
  // Byte 1 is the second byte of "ソ"; starting there must not find it.
  EXPECT_EQ(FindSeparator("ソ\\", '\\', 1), 2u);
}

TEST(FindLastSeparator, IgnoresSecondBytesAtTheEnd) {
  EXPECT_EQ(FindLastSeparator("a\\表\\b", '\\'), 4u);
  EXPECT_EQ(FindLastSeparator("a\\表", '\\'), 1u);
  EXPECT_EQ(FindLastSeparator("表ソ", '\\'), npos);
  EXPECT_EQ(FindLastSeparator("a|ポ", '|'), 1u);
}

TEST(SplitAtLast, CutsKeyPathFromValueName) {
  struct Case {
    std::string text;
    std::string head;
    std::string tail;
  };
  const Case cases[] = {
      {"Software\\Maker\\Path", "Software\\Maker", "Path"},
      {"Path", "", "Path"},
      {"Key\\", "Key", ""},
      {"表", "", "表"},
      {"表\\ソ", "表", "ソ"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const auto split = SplitAtLast(c.text, '\\');
    EXPECT_EQ(split.head, c.head) << c.text;
    EXPECT_EQ(split.tail, c.tail) << c.text;
  }
}

TEST(TextAfterFirst, DropsUpToFirstSeparatorOrKeepsAll) {
  EXPECT_EQ(TextAfterFirst("%WINDIR%\\App", '\\'), "App");
  EXPECT_EQ(TextAfterFirst("%WINDIR%", '\\'), "%WINDIR%");
  EXPECT_EQ(TextAfterFirst("D:\\Tools\\App", '\\'), "Tools\\App");
  EXPECT_EQ(TextAfterFirst("表\\ソ", '\\'), "ソ");
  EXPECT_EQ(TextAfterFirst("%WINDIR%\\", '\\'), "");
}

}  // namespace
