#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "melopad/model/RowText.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {
namespace {

constexpr int kC2 = 39;
constexpr int kQuarter = 4;
constexpr int kWhole = 0;
constexpr int kDottedHalf = 1;
constexpr int kDottedEighth = 5;
constexpr int kEighthTriplet = 7;
constexpr int kSixteenthTriplet = 8;
constexpr int kQuintuplet = 10;

// A melody of notes (or rests for pitch 0) of the given length indices, in order.
Melody MelodyOf(const std::vector<int>& lengthIndices, int pitchCode = kC2) {
  Melody melody;
  for (const int lengthIndex : lengthIndices) {
    melody.SetSelectedLengthIndex(lengthIndex);
    melody.InsertScoreLine(pitchCode == kRestPitch ? melody.MakeRestLine()
                                                   : melody.MakeNoteLine(pitchCode));
  }
  return melody;
}

std::string RowTextOf(const Melody& melody, int row) {
  return ScoreRowText(melody.Lines()[static_cast<std::size_t>(row)], melody.StartTick(row),
                      melody.Hyoushi());
}

// The start of each row added up the slow way, line by line.
std::int64_t SummedStart(const Melody& melody, int row) {
  std::int64_t sum = 0;
  for (int above = 0; above < row; ++above) {
    sum += LengthTicks(ParseScoreLine(melody.Lines()[static_cast<std::size_t>(above)]).lengthCode);
  }
  return sum;
}

TEST(ZeroPad, PrependsZerosUpToTheWidthAndNeverShortens) {
  struct Case {
    std::int64_t number;
    int width;
    const char* text;
  };
  for (const Case& c : {Case{1, 3, "001"}, Case{0, 2, "00"}, Case{12, 2, "12"}, Case{42, 3, "042"},
                        Case{1234, 3, "1234"}, Case{7, 0, "7"}, Case{5, 1, "5"}}) {
    EXPECT_EQ(ZeroPad(c.number, c.width), c.text) << c.number << " in " << c.width;
  }
}

// The position shown on the row that follows the listed notes.
TEST(ScoreRowText, PositionOfTheRowAfterTheNotesAbove) {
  struct Case {
    const char* name;
    int beatsPerBar;
    std::vector<int> above;
    const char* position;
  };
  const Case cases[] = {
      {"first row", 4, {}, "CLK:001:01:00"},
      {"4/4, after four quarters: bar 2",
       4,
       {kQuarter, kQuarter, kQuarter, kQuarter},
       "CLK:002:01:00"},
      {"4/4, after three quarters: beat 4", 4, {kQuarter, kQuarter, kQuarter}, "CLK:001:04:00"},
      {"after a dotted eighth: tick 24 of beat 1", 4, {kDottedEighth}, "CLK:001:01:24"},
      {"after two dotted eighths: tick 16 of beat 2",
       4,
       {kDottedEighth, kDottedEighth},
       "CLK:001:02:16"},
      {"after a sixteenth triplet: tick 05", 4, {kSixteenthTriplet}, "CLK:001:01:05"},
      {"three eighth triplets fall 2 ticks short of a beat",
       4,
       {kEighthTriplet, kEighthTriplet, kEighthTriplet},
       "CLK:001:01:30"},
      {"six quintuplets: 36 ticks",
       4,
       {kQuintuplet, kQuintuplet, kQuintuplet, kQuintuplet, kQuintuplet, kQuintuplet},
       "CLK:001:02:04"},
      {"3/4, second beat of bar 1", 3, {kQuarter}, "CLK:001:02:00"},
      {"3/4, the fourth quarter starts bar 2", 3, {kQuarter, kQuarter, kQuarter}, "CLK:002:01:00"},
      {"3/4, a dotted half fills bar 1", 3, {kDottedHalf}, "CLK:002:01:00"},
      {"3/4, a whole note runs into beat 2 of bar 2", 3, {kWhole}, "CLK:002:02:00"},
      {"1/4, every quarter a bar", 1, {kQuarter, kQuarter}, "CLK:003:01:00"},
      {"8/4, a whole note is half a bar", 8, {kWhole}, "CLK:001:05:00"},
  };
  for (const Case& c : cases) {
    std::vector<int> lengths = c.above;
    lengths.push_back(kQuarter);
    Melody melody = MelodyOf(lengths);
    melody.SetHyoushi(c.beatsPerBar);
    const int row = static_cast<int>(c.above.size());
    EXPECT_EQ(RowTextOf(melody, row).substr(0, 13), c.position) << c.name;
  }
}

TEST(ScoreRowText, BarNumbersGrowBeyondThreeDigits) {
  const Melody melody = MelodyOf(std::vector<int>(1000, kWhole));
  EXPECT_EQ(PositionText(RowPositionAt(melody.StartTick(999), 4), 4), "CLK:1000:01:00");
  EXPECT_EQ(PositionText(RowPositionAt(melody.StartTick(1000), 4), 4), "CLK:1001:01:00");
}

// Columns: position, pitch label right-aligned in 6 bytes and 3 blanks, 3
// blanks and the length label without its padding right-aligned in 8 bytes,
// 3 blanks. Byte widths are Shift-JIS widths: "　" and kana count two.
TEST(ScoreRowText, LabelsStandInTheirColumns) {
  struct Case {
    const char* name;
    int pitchCode;
    int lengthIndex;
    const char* text;
  };
  const Case cases[] = {
      {"note, quarter", kC2, kQuarter, "CLK:001:01:00 　C-2       4分音符   "},
      {"sharp, eighth", 40, 6, "CLK:001:01:00 　C#2       8分音符   "},
      {"rest fills the pitch column", kRestPitch, kQuarter, "CLK:001:01:00　休符       4分音符   "},
      {"length label longer than its column", 74, kDottedHalf,
       "CLK:001:01:00 　B-4      付点2分音符   "},
      {"short length label", kC2, kQuintuplet, "CLK:001:01:00 　C-2         5連符   "},
      {"128th", kC2, 13, "CLK:001:01:00 　C-2      128分音符   "},
  };
  for (const Case& c : cases) {
    const Melody melody = MelodyOf({c.lengthIndex}, c.pitchCode);
    EXPECT_EQ(RowTextOf(melody, 0), c.text) << c.name;
  }
}

TEST(ScoreRowText, RestRowShowsTheRestLabelInThePitchColumn) {
  const Melody melody = MelodyOf({kQuarter, kQuarter}, kRestPitch);
  const std::string text = RowTextOf(melody, 1);
  EXPECT_EQ(text.substr(0, 13), "CLK:001:02:00");
  EXPECT_EQ(text.substr(13, 6), "　休符");
}

TEST(ScoreRowText, RejectsALineThatIsNoScoreLine) {
  EXPECT_THROW(ScoreRowText("　C-2     4分音符", 0, 4), std::invalid_argument);
}

// Each step edits the melody, then every row's start (and the melody's
// length) is compared with the sum added up afresh. The last row is asked
// for before each edit, so every start is cached when the edit comes.
// Puts a note of the length after the selected line, as note entry does.
void InsertAfter(Melody& melody, int selected, int lengthIndex) {
  melody.SetSelectedIndex(selected);
  melody.SetSelectedLengthIndex(lengthIndex);
  melody.InsertScoreLine(melody.MakeNoteLine(kC2));
}

// Each step edits the melody, then every row's start (and the melody's
// length) is compared with the sum added up afresh. The last row is asked
// for before each edit, so every start is cached when the edit comes.
TEST(StartTick, StaysRightThroughInsertsAndDeletesAnywhere) {
  struct Step {
    const char* name;
    std::function<void(Melody&)> edit;
  };
  const Step steps[] = {
      {"ten lines",
       [](Melody& m) {
         for (int i = 0; i < 10; ++i) InsertAfter(m, i - 1, i);
       }},
      {"insert a whole note in the middle", [](Melody& m) { InsertAfter(m, 4, kWhole); }},
      {"insert at the top", [](Melody& m) { InsertAfter(m, -1, kSixteenthTriplet); }},
      {"append", [](Melody& m) { InsertAfter(m, m.Count() - 1, kDottedEighth); }},
      {"delete in the middle", [](Melody& m) { m.DeleteLine(6); }},
      {"delete the first", [](Melody& m) { m.DeleteLine(0); }},
      {"delete the last", [](Melody& m) { m.DeleteLine(m.Count() - 1); }},
      {"insert after the first", [](Melody& m) { InsertAfter(m, 0, kQuintuplet); }},
      {"clear", [](Melody& m) { m.Clear(); }},
      {"insert into the cleared melody", [](Melody& m) { InsertAfter(m, -1, kQuarter); }},
  };
  Melody melody;
  for (const Step& step : steps) {
    melody.StartTick(melody.Count());
    step.edit(melody);
    for (int row = 0; row <= melody.Count(); ++row) {
      EXPECT_EQ(melody.StartTick(row), SummedStart(melody, row))
          << "row " << row << " after: " << step.name;
    }
  }
}

TEST(StartTick, RowsOutsideTheMelodyAreRejected) {
  const Melody melody = MelodyOf({kQuarter, kWhole});
  EXPECT_EQ(melody.StartTick(2), 160) << "one past the last row is the melody's length";
  EXPECT_THROW(melody.StartTick(3), std::out_of_range);
  EXPECT_THROW(melody.StartTick(-1), std::out_of_range);
}

}  // namespace
}  // namespace melopad
