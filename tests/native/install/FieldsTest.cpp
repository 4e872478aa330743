// Record fields of the setup script: "|"-separated, double-byte aware,
// missing and empty fields reading as empty text or as the default.
#include "install/text/Fields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using install::GetField;
using install::GetIntField;

TEST(GetField, ReadsFieldsCountedFromOne) {
  struct Case {
    std::string record;
    int n;
    std::string expected;
  };
  const Case cases[] = {
      {"a|b|c", 1, "a"},
      {"a|b|c", 2, "b"},
      {"a|b|c", 3, "c"},
      {"a|b|c", 4, ""},
      {"a|b|c", 0, ""},
      {"a|b|c", -1, ""},
      {"a|", 2, ""},
      {"|b", 1, ""},
      {"", 1, ""},
      {"abc", 1, "abc"},
      {"abc", 2, ""},
      // A missing key reads as separators only: every field is empty.
      {"||||", 1, ""},
      {"||||", 5, ""},
      {"||||", 6, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetField(c.record, '|', c.n), c.expected) << c.record << " field " << c.n;
  }
}

TEST(GetField, DoesNotSplitAtSecondBytes) {
  // "ポ" is 83 7C and "ソ" is 83 5C: neither ends a field.
  EXPECT_EQ(GetField("表\\ソ|x", '|', 1), "表\\ソ");
  EXPECT_EQ(GetField("表\\ソ|x", '|', 2), "x");
  EXPECT_EQ(GetField("ポ|x", '|', 1), "ポ");
  EXPECT_EQ(GetField("ポ|x", '|', 2), "x");
  EXPECT_EQ(GetField("ポ", '|', 2), "");
  EXPECT_EQ(GetField("a|ポポ|b", '|', 2), "ポポ");
}

TEST(GetField, UsesTheGivenSeparator) {
  EXPECT_EQ(GetField("a,b|c", ',', 2), "b|c");
  EXPECT_EQ(GetField("表\\ソ\\x", '\\', 2), "ソ");
  EXPECT_EQ(GetField("表\\ソ\\x", '\\', 3), "x");
}

// The field is read by ParseInteger, the script's one reading of numbers.
TEST(GetIntField, ReadsDecimalOrHexElseDefault) {
  struct Case {
    std::string field;
    int defaultValue;
    int expected;
  };
  const Case cases[] = {
      {"2", 7, 2},
      {"0", 7, 0},
      {"-5", 7, -5},
      {"+3", 7, 3},
      {"$1F", 7, 31},
      {"$1f", 7, 31},
      {"0x1F", 7, 31},
      {"0X1f", 7, 31},
      {"$FFFFFFFF", 7, -1},
      {"0xFFFFFFFF", 7, -1},
      {"0x10", 1, 16},
      {"2147483647", 7, 2147483647},
      {"-2147483648", 7, -2147483647 - 1},
      // Empty, letters, trailing junk, out of range: the default.
      {"", 2, 2},
      {"abc", 2, 2},
      {"12abc", 4, 4},
      {"$", 1, 1},
      {"$G", 1, 1},
      {"$-1", 1, 1},
      {"-", 1, 1},
      {"+-1", 1, 1},
      {"0x", 1, 1},
      {"0x-1", 1, 1},
      {"-0x1", 1, 1},
      {"0x1G", 1, 1},
      {"x10", 1, 1},
      {" 1", 1, 1},
      {"2147483648", 4, 4},
      {"$100000000", 4, 4},
      {"0x123456789", 4, 4},
      {"ポ", 2, 2},
  };
  for (const Case& c : cases) {
    const std::string record = "x|" + c.field + "|y";
    EXPECT_EQ(GetIntField(record, '|', c.defaultValue, 2), c.expected) << c.field;
  }
}

TEST(GetIntField, MissingFieldsGiveTheirDefaults) {
  // Registry entry read from a missing key: root 2, type 0, size 4.
  const std::string missing = "||||";
  EXPECT_EQ(GetIntField(missing, '|', 2, 3), 2);
  EXPECT_EQ(GetIntField(missing, '|', 0, 4), 0);
  EXPECT_EQ(GetIntField(missing, '|', 4, 5), 4);
  EXPECT_EQ(GetIntField("a|b", '|', 1, 4), 1);
  EXPECT_EQ(GetIntField("a|b", '|', 9, 0), 9);
}

TEST(GetIntField, ReadsPastDoubleByteFields) {
  EXPECT_EQ(GetIntField("ポ|7", '|', 1, 2), 7);
  // The "|" inside "ポ" (83 7C) is no separator: field 2 is "0x1F", field 3 "$1F".
  EXPECT_EQ(GetIntField("ポ|0x1F|$1F", '|', 1, 2), 31);
  EXPECT_EQ(GetIntField("ポ|0x1F|$1F", '|', 1, 3), 31);
  EXPECT_EQ(GetIntField("ポ|0x1F|$1F", '|', 1, 4), 1);
  EXPECT_EQ(GetIntField("表\\ソ|x|3", '|', 1, 3), 3);
}

}  // namespace
