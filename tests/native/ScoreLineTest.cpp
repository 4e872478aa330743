#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"
#include "melopad/model/Transpose.h"

namespace melopad {
namespace {

// Expected texts are written as Shift-JIS bytes, so a wrong execution
// character set or a mistyped label shows up here.
constexpr const char* kFullWidthSpace = "\x81\x40";
constexpr const char* kQuarterLabel = "\x34\x95\xaa\x89\xb9\x95\x84     ";  // 4分音符

TEST(PitchLabel, NamesKeyWithNoteNameAndOctave) {
  struct Case {
    int pitchCode;
    const char* label;
  };
  for (const Case& c : {Case{39, "C-2"}, Case{40, "C#2"}, Case{51, "C-3"}, Case{74, "B-4"}}) {
    EXPECT_EQ(PitchLabel(c.pitchCode), std::string(kFullWidthSpace) + c.label) << c.pitchCode;
  }
}

TEST(PitchLabel, RejectsCodesOutsideTheKeys) {
  for (const int pitchCode : {0, 38, 75}) {
    EXPECT_THROW(PitchLabel(pitchCode), std::out_of_range) << pitchCode;
  }
}

TEST(NoteTables, LabelsHaveTheirFixedByteWidths) {
  for (const char* name : NoteNames) EXPECT_EQ(std::strlen(name), 4u) << name;
  for (const char* name : LengthNames) EXPECT_EQ(std::strlen(name), 12u) << name;
  EXPECT_STREQ(LengthNames[4], kQuarterLabel);
  EXPECT_STREQ(kRestLabel, "\x81\x40\x8b\x78\x95\x84");  // 　休符
}

TEST(LengthTicks, FollowsCodeOrderNotDuration) {
  const int expectedTicks[kLengthCount] = {128, 96, 64, 48, 32, 24, 16, 10, 5, 8, 6, 4, 2, 1};
  for (int index = 0; index < kLengthCount; ++index) {
    EXPECT_EQ(LengthTicks(192 + index), expectedTicks[index]) << "code " << 192 + index;
  }
  EXPECT_THROW(LengthTicks(191), std::out_of_range);
  EXPECT_THROW(LengthTicks(206), std::out_of_range);
}

TEST(ComposeScoreLine, LowestQuarterNoteIsByteExact) {
  const std::string expected = std::string(kFullWidthSpace) + "C-2     " + kQuarterLabel + "39 196";
  EXPECT_EQ(ComposeScoreLine(PitchLabel(39), kQuarterLengthIndex, 39), expected);
}

TEST(ParseScoreLine, SixteenthTripletRestGivesItsCodes) {
  const ScoreCodes codes = ParseScoreLine(ComposeScoreLine(kRestLabel, 8, kRestPitch));
  EXPECT_EQ(codes.pitchCode, 0);
  EXPECT_EQ(codes.lengthCode, 200);
}

TEST(ParseScoreLine, ReadsBackEveryComposedNoteAndLength) {
  for (int pitchCode = kLowestPitch; pitchCode <= kHighestPitch; ++pitchCode) {
    for (int lengthIndex = 0; lengthIndex < kLengthCount; ++lengthIndex) {
      const ScoreCodes codes =
          ParseScoreLine(ComposeScoreLine(PitchLabel(pitchCode), lengthIndex, pitchCode));
      EXPECT_EQ(codes.pitchCode, pitchCode);
      EXPECT_EQ(codes.lengthCode, 192 + lengthIndex);
    }
  }
}

TEST(ParseScoreLine, SplitsOnlyAtAsciiBlankRuns) {
  EXPECT_EQ(ParseScoreLine("a b 12 34").pitchCode, 12);
  EXPECT_EQ(ParseScoreLine("  a   b  12   34  ").lengthCode, 34);
  // A full-width space inside a token must not split it.
  const ScoreCodes codes = ParseScoreLine("x\x81\x40y z 7 9 extra");
  EXPECT_EQ(codes.pitchCode, 7);
  EXPECT_EQ(codes.lengthCode, 9);
}

TEST(ParseScoreLine, RejectsLinesWithoutTwoNumbers) {
  for (const char* line : {"", "a b 12", "a b x 34", "a b 12 3x", "a b  34"}) {
    EXPECT_THROW(ParseScoreLine(line), std::invalid_argument) << '"' << line << '"';
  }
}

// Notes move with their labels as if typed; rests stay; a note that would
// leave the keyboard's 36 pitches leaves every line as it was.
TEST(TransposedLines, MovesNotesWithinTheKeyboardOnly) {
  const auto note = [](int pitch, int lengthIndex) {
    return ComposeScoreLine(PitchLabel(pitch), lengthIndex, pitch);
  };
  const std::string rest = ComposeScoreLine(kRestLabel, 3, kRestPitch);
  const std::vector<std::string> lines = {note(kLowestPitch, 4), rest, note(60, 13)};
  const struct {
    int semitones;
    std::optional<std::vector<std::string>> expected;
  } cases[] = {
      {1, std::vector<std::string>{note(kLowestPitch + 1, 4), rest, note(61, 13)}},
      {12, std::vector<std::string>{note(kLowestPitch + 12, 4), rest, note(72, 13)}},
      {kHighestPitch - 60,
       std::vector<std::string>{note(kLowestPitch + 14, 4), rest, note(74, 13)}},
      {kHighestPitch - 59, std::nullopt},
      {-1, std::nullopt},
      {0, lines},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TransposedLines(lines, c.semitones), c.expected) << c.semitones;
}

}  // namespace
}  // namespace melopad
