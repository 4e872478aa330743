// File versions compared field by field, and the replace decision that falls
// back on time stamps.
#include "install/text/Version.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using install::FileVersion;
using install::FileVersionFromWords;
using install::HasNoVersion;
using install::IsNewerVersion;

const FileVersion kNone{};

std::string Text(const FileVersion& v) {
  return std::to_string(v.majorVersion) + "." + std::to_string(v.minorVersion) + "." +
         std::to_string(v.release) + "." + std::to_string(v.build);
}

TEST(IsNewerVersion, AnyGreaterFieldOrMissingTargetVersionWins) {
  struct Case {
    FileVersion source;
    FileVersion target;
    bool expected;
  };
  const Case cases[] = {
      {{1, 2, 0, 0}, {1, 2, 0, 0}, false},
      {{2, 0, 0, 0}, {1, 9, 9, 9}, true},
      {{1, 3, 0, 0}, {1, 2, 5, 5}, true},
      {{1, 2, 3, 4}, {1, 2, 3, 5}, false},
      {{1, 2, 3, 4}, {1, 2, 4, 4}, false},
      {{1, 0, 0, 0}, {2, 0, 0, 0}, false},
      // Field by field, not by rank: a greater build alone is enough.
      {{1, 1, 0, 1}, {1, 2, 0, 0}, true},
      {{1, 0, 0, 5}, {2, 0, 0, 0}, true},
      {{0, 0, 1, 0}, {9, 9, 0, 9}, true},
      // A target without version resource is always replaced.
      {kNone, kNone, true},
      {{0, 0, 0, 0}, kNone, true},
      {kNone, {1, 0, 0, 0}, false},
      {kNone, {0, 0, 0, 0}, false},
      // Negative fields count as signed numbers.
      {{0, 0, 0, 0}, {-1, 0, 0, 0}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNewerVersion(c.source, c.target), c.expected)
        << Text(c.source) << " over " << Text(c.target);
  }
}

TEST(HasNoVersion, OnlyAllFieldsMinusOne) {
  EXPECT_TRUE(HasNoVersion(kNone));
  EXPECT_FALSE(HasNoVersion({-1, -1, -1, 0}));
  EXPECT_FALSE(HasNoVersion({0, -1, -1, -1}));
}

TEST(FileVersionFromWords, TakesUnsignedHalvesOfBothWords) {
  const FileVersion v = FileVersionFromWords(0x00010002u, 0x00030004u);
  EXPECT_EQ(Text(v), "1.2.3.4");
  EXPECT_EQ(Text(FileVersionFromWords(0xFFFF0000u, 0x0000FFFFu)), "65535.0.0.65535");
}

}  // namespace
