#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "melopad/model/Analysis.h"
#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "melopad/model/RestMerge.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {
namespace {

constexpr int kNote = kLowestPitch;

struct Line {
  int pitchCode;
  int lengthCode;
  bool operator==(const Line&) const = default;
};

void Append(Melody& melody, const Line& line) {
  melody.SetSelectedIndex(melody.Count() - 1);
  melody.SetSelectedLengthIndex(LengthIndexOf(line.lengthCode));
  melody.InsertScoreLine(line.pitchCode == kRestPitch ? melody.MakeRestLine()
                                                      : melody.MakeNoteLine(line.pitchCode));
}

// Built as typed, then with the first line selected, the quarter note chosen
// and Modified cleared, so that what merging changes shows.
Melody MelodyOf(const std::vector<Line>& lines) {
  Melody melody;
  for (const Line& line : lines) Append(melody, line);
  melody.SetSelectedIndex(0);
  melody.SetSelectedLengthIndex(kQuarterLengthIndex);
  melody.SetModified(false);
  return melody;
}

std::vector<Line> LinesOf(const Melody& melody) {
  std::vector<Line> lines;
  for (const std::string& text : melody.Lines()) {
    const ScoreCodes codes = ParseScoreLine(text);
    lines.push_back({codes.pitchCode, codes.lengthCode});
  }
  return lines;
}

std::string Describe(const std::vector<Line>& lines) {
  std::string text;
  for (const Line& line : lines) {
    text += (line.pitchCode == kRestPitch ? "r" : "n") + std::to_string(line.lengthCode) + " ";
  }
  return text;
}

TEST(MergeRests, EachRuleJoinsTwoAdjacentRestsIntoOne) {
  for (const MergeRule& rule : kMergeRules) {
    Melody melody = MelodyOf({{kNote, 196}, {0, rule.first}, {0, rule.second}});
    EXPECT_EQ(MergeRests(melody), 1) << MergeRuleCaption(rule);
    EXPECT_EQ(LinesOf(melody), (std::vector<Line>{{kNote, 196}, {0, rule.result}}))
        << MergeRuleCaption(rule);
  }
}

TEST(MergeRests, RulesKeepTheTicks) {
  for (const MergeRule& rule : kMergeRules) {
    EXPECT_EQ(LengthTicks(rule.first) + LengthTicks(rule.second), LengthTicks(rule.result))
        << MergeRuleCaption(rule);
  }
}

TEST(MergeRests, JoinsRunsAsTheRulesFollowOneAnother) {
  struct Case {
    const char* what;
    std::vector<Line> before;
    std::vector<Line> after;
  };
  const Case cases[] = {
      {"four sixteenths become two eighths, then a quarter",
       {{kNote, 196}, {0, 201}, {0, 201}, {0, 201}, {0, 201}},
       {{kNote, 196}, {0, 196}}},
      {"sixteenth and eighth", {{kNote, 196}, {0, 201}, {0, 198}}, {{kNote, 196}, {0, 197}}},
      {"eighth and quarter", {{kNote, 196}, {0, 198}, {0, 196}}, {{kNote, 196}, {0, 195}}},
      {"quarter and eighth-note triplet stay",
       {{kNote, 196}, {0, 196}, {0, 199}},
       {{kNote, 196}, {0, 196}, {0, 199}}},
      {"two rests at the very top", {{0, 196}, {0, 196}, {kNote, 196}}, {{0, 194}, {kNote, 196}}},
      {"a melody of two rests", {{0, 194}, {0, 194}}, {{0, 192}}},
      {"three 128ths: the first two join", {{0, 205}, {0, 205}, {0, 205}}, {{0, 204}, {0, 205}}},
      {"notes are never joined", {{kNote, 198}, {kNote, 198}}, {{kNote, 198}, {kNote, 198}}},
      {"a note between rests keeps them apart",
       {{0, 198}, {kNote, 198}, {0, 198}},
       {{0, 198}, {kNote, 198}, {0, 198}}},
      {"a rest and a note of mergeable lengths",
       {{0, 198}, {kNote, 198}},
       {{0, 198}, {kNote, 198}}},
      {"two whole rests have no rule", {{0, 192}, {0, 192}}, {{0, 192}, {0, 192}}},
      {"eight 128ths make one sixteenth", std::vector<Line>(8, {0, 205}), {{0, 201}}},
      {"sixteen 128ths make one eighth", std::vector<Line>(16, {0, 205}), {{0, 198}}},
      {"four halves make two wholes", std::vector<Line>(4, {0, 194}), {{0, 192}, {0, 192}}},
      {"quarter, eighth, eighth: the eighths join first",
       {{0, 196}, {0, 198}, {0, 198}},
       {{0, 194}}},
      {"empty melody", {}, {}},
  };
  for (const Case& c : cases) {
    Melody melody = MelodyOf(c.before);
    MergeRests(melody);
    EXPECT_EQ(LinesOf(melody), c.after)
        << c.what << ": got " << Describe(LinesOf(melody)) << ", expected " << Describe(c.after);
  }
}

TEST(MergeRests, LastRestMadeIsSelectedAndItsLengthIsCurrent) {
  // Rule 4 joins the sixteenths at 1 and 2 first; rule 7 then makes the
  // quarter at index 3 from the two eighths, the last merge made.
  Melody melody = MelodyOf({{kNote, 196}, {0, 201}, {0, 201}, {kNote, 196}, {0, 198}, {0, 198}});
  EXPECT_EQ(MergeRests(melody), 2);
  EXPECT_EQ(LinesOf(melody), (std::vector<Line>{{kNote, 196}, {0, 198}, {kNote, 196}, {0, 196}}));
  EXPECT_EQ(melody.SelectedIndex(), 3);
  EXPECT_EQ(melody.CurrentLengthCode(), 196);
  EXPECT_TRUE(melody.Modified());
}

TEST(MergeRests, WithoutMatchesLeavesSelectionLengthAndModifiedAlone) {
  Melody melody = MelodyOf({{0, 196}, {kNote, 196}, {0, 199}, {0, 199}});
  melody.SetSelectedIndex(2);
  melody.SetSelectedLengthIndex(9);
  EXPECT_EQ(MergeRests(melody), 0);
  EXPECT_EQ(melody.SelectedIndex(), 2);
  EXPECT_EQ(melody.SelectedLengthIndex(), 9);
  EXPECT_FALSE(melody.Modified());
}

TEST(MergeRests, MergedRestLineIsTheRestLineOfItsLength) {
  Melody melody = MelodyOf({{0, 201}, {0, 198}});
  MergeRests(melody);
  Melody typed;
  typed.SetSelectedLengthIndex(LengthIndexOf(197));
  ASSERT_EQ(melody.Count(), 1);
  EXPECT_EQ(melody.Lines()[0], typed.MakeRestLine());
}

Melody RandomRests(unsigned seed, int count) {
  std::mt19937 random(seed);
  const std::vector<int> lengths = {205, 204, 203, 201, 198, 196, 194, 192, 197, 199};
  std::vector<Line> lines;
  for (int i = 0; i < count; ++i) lines.push_back({0, lengths[random() % lengths.size()]});
  return MelodyOf(lines);
}

TEST(MergeRests, WholeMelodyOfRestsKeepsItsTicks) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    Melody melody = RandomRests(seed, 400);
    const std::int64_t ticks = melody.StartTick(melody.Count());
    ASSERT_GT(MergeRests(melody), 0);
    EXPECT_LT(melody.Count(), 400);
    EXPECT_EQ(melody.StartTick(melody.Count()), ticks) << "seed " << seed;
  }
}

// At tempos where a tick lasts whole milliseconds the playing time stays
// the same. At the others each line loses its own remainder, so a merged
// rest can play up to one millisecond longer than its two rests did.
TEST(MergeRests, WholeMelodyOfRestsKeepsItsPlayingTimeToTheMillisecond) {
  for (const int tempo : {75, 90, 100, 120, 150, 180, 200, 77, 121, 133, 199}) {
    Melody melody = RandomRests(static_cast<unsigned>(tempo), 400);
    melody.SetTempo(tempo);
    const std::int64_t before = PlayingTimeMs(melody);
    const int merges = MergeRests(melody);
    const std::int64_t after = PlayingTimeMs(melody);
    SCOPED_TRACE(testing::Message() << "tempo " << tempo);
    if (1800 % tempo == 0) {
      EXPECT_EQ(after, before);
    } else {
      EXPECT_GE(after, before);
      EXPECT_LE(after, before + merges);
    }
  }
}

TEST(MergeRuleCaption, NamesTheCodesInHexadecimal) {
  EXPECT_EQ(MergeRuleCaption(kMergeRules[0]), "CD:CDの組をCCに変換中");
  EXPECT_EQ(MergeRuleCaption(kMergeRules[10]), "C2:C2の組をC0に変換中");
}

}  // namespace
}  // namespace melopad
