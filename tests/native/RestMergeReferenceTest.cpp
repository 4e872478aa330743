// Merging goes through the melody in one pass per rule. These tests hold it
// against the plain procedure that searches again from the first line after
// every merge, on many random melodies.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "melopad/model/RestMerge.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {
namespace {

bool IsRestOf(const std::string& line, int lengthCode) {
  const ScoreCodes codes = ParseScoreLine(line);
  return codes.pitchCode == kRestPitch && codes.lengthCode == lengthCode;
}

// The first match of the rule from the first line on, or -1.
int FirstMatch(const Melody& melody, const MergeRule& rule) {
  for (int i = 0; i < melody.Count() - 1; ++i) {
    if (IsRestOf(melody.Lines()[static_cast<std::size_t>(i)], rule.first) &&
        IsRestOf(melody.Lines()[static_cast<std::size_t>(i) + 1], rule.second)) {
      return i;
    }
  }
  return -1;
}

// What a listener was told, in order, as text.
class EventRecord {
 public:
  MergeListener Listener() {
    return {[this](const MergeRule& rule) { events.push_back("start " + MergeRuleCaption(rule)); },
            [this](int index, int count) { Progress(index, count); },
            [this](const MergeRule& rule) { events.push_back("end " + MergeRuleCaption(rule)); }};
  }
  void Progress(int index, int count) {
    events.push_back("merged at " + std::to_string(index) + " of " + std::to_string(count));
  }
  std::vector<std::string> events;
};

// Each rule: find the first match from the top; delete both lines, select
// the line before them, make the result the current length and insert a
// rest of it; end the rule when the new rest is the last line, otherwise
// report progress and search again from the top.
int ReferenceMerge(Melody& melody, EventRecord& record) {
  int merges = 0;
  for (const MergeRule& rule : kMergeRules) {
    record.events.push_back("start " + MergeRuleCaption(rule));
    for (int i = FirstMatch(melody, rule); i >= 0; i = FirstMatch(melody, rule)) {
      melody.DeleteLine(i);
      melody.DeleteLine(i);
      melody.SetSelectedIndex(i - 1);
      melody.SetSelectedLengthIndex(LengthIndexOf(rule.result));
      melody.InsertScoreLine(melody.MakeRestLine());
      ++merges;
      if (i >= melody.Count() - 1) break;
      record.Progress(i, melody.Count());
    }
    record.events.push_back("end " + MergeRuleCaption(rule));
  }
  return merges;
}

// Follows the melody's changes as the score list does, from the lines it
// started with.
class MirrorList : public MelodyObserver {
 public:
  explicit MirrorList(const Melody& melody) : melody_(melody), lines(melody.Lines()) {}
  // Copies the changed lines only, so a wrong `first` shows as a difference.
  void LinesChanged(int first) override {
    lines.resize(static_cast<std::size_t>(first));
    lines.insert(lines.end(), melody_.Lines().begin() + first, melody_.Lines().end());
    firstChanged.push_back(first);
  }
  void SelectionChanged(int index) override { selected = index; }

 private:
  const Melody& melody_;

 public:
  std::vector<std::string> lines;
  int selected = Melody::kNoSelection;
  std::vector<int> firstChanged;
};

// Lengths that rules join come up most, so that runs form; others and
// notes break them up. `restShare` is the chance of a rest in percent.
Melody RandomMelody(std::mt19937& random, int lineCount, unsigned restShare) {
  static const int kLengths[] = {205, 205, 204, 204, 203, 203, 201, 201, 201, 198, 198, 198,
                                 196, 196, 196, 194, 194, 192, 193, 195, 197, 199, 200, 202};
  Melody melody;
  for (int i = 0; i < lineCount; ++i) {
    melody.SetSelectedLengthIndex(LengthIndexOf(kLengths[random() % std::size(kLengths)]));
    const bool rest = random() % 100 < restShare;
    const int pitch = kLowestPitch + static_cast<int>(random() % kKeyCount);
    melody.InsertScoreLine(rest ? melody.MakeRestLine() : melody.MakeNoteLine(pitch));
  }
  melody.SetSelectedIndex(static_cast<int>(random() % static_cast<unsigned>(lineCount + 1)) - 1);
  melody.SetSelectedLengthIndex(static_cast<int>(random() % kLengthCount));
  melody.SetModified(false);
  return melody;
}

void ExpectSameMelody(const Melody& actual, const Melody& expected) {
  EXPECT_EQ(actual.Lines(), expected.Lines());
  EXPECT_EQ(actual.SelectedIndex(), expected.SelectedIndex());
  EXPECT_EQ(actual.SelectedLengthIndex(), expected.SelectedLengthIndex());
  EXPECT_EQ(actual.Modified(), expected.Modified());
}

void CompareWithReference(unsigned seed, int minLines, int maxLines) {
  std::mt19937 random(seed);
  const int lineCount =
      minLines + static_cast<int>(random() % static_cast<unsigned>(maxLines - minLines + 1));
  const unsigned restShare = 20 + static_cast<unsigned>(random() % 81);
  Melody melody = RandomMelody(random, lineCount, restShare);
  Melody reference = melody;
  MirrorList mirror(melody);
  mirror.selected = melody.SelectedIndex();
  melody.SetObserver(&mirror);
  EventRecord told;
  EventRecord expected;
  SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << lineCount << " lines");
  const int merges = MergeRests(melody, told.Listener());
  melody.SetObserver(nullptr);
  EXPECT_EQ(merges, ReferenceMerge(reference, expected));
  ExpectSameMelody(melody, reference);
  EXPECT_EQ(told.events, expected.events);
  EXPECT_EQ(mirror.lines, melody.Lines()) << "the score list did not follow";
  EXPECT_EQ(mirror.selected, melody.SelectedIndex()) << "the score list did not follow";
}

TEST(MergeRestsAgainstReference, GivesTheSameMelodyAndReportsOnShortMelodies) {
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    CompareWithReference(seed, 0, 40);
    if (HasFailure()) return;
  }
}

TEST(MergeRestsAgainstReference, GivesTheSameMelodyAndReportsOnLongMelodies) {
  for (unsigned seed = 5001; seed <= 5060; ++seed) {
    CompareWithReference(seed, 100, 600);
    if (HasFailure()) return;
  }
}

// Long enough that the changed stretch is sometimes written anew up to the
// end instead of being edited in front of the lines after it.
TEST(MergeRestsAgainstReference, GivesTheSameMelodyAndReportsOnVeryLongMelodies) {
  for (unsigned seed = 9001; seed <= 9006; ++seed) {
    CompareWithReference(seed, 1500, 2500);
    if (HasFailure()) return;
  }
}

// A long melody with one merge near its top: the score list hears once, from
// the merged rest on, and keeps the line above.
TEST(MergeRests, ChangesOnlyWhatMerged) {
  Melody melody;
  melody.InsertScoreLine(melody.MakeNoteLine(kLowestPitch));
  melody.InsertScoreLine(melody.MakeRestLine());
  melody.InsertScoreLine(melody.MakeRestLine());
  for (int i = 0; i < 1000; ++i) melody.InsertScoreLine(melody.MakeNoteLine(kLowestPitch + 1));
  MirrorList mirror(melody);
  melody.SetObserver(&mirror);
  EXPECT_EQ(MergeRests(melody), 1);
  melody.SetObserver(nullptr);
  EXPECT_EQ(mirror.firstChanged, std::vector<int>{1});
  EXPECT_EQ(mirror.lines, melody.Lines());
  EXPECT_EQ(melody.Count(), 1002);
  EXPECT_EQ(melody.SelectedIndex(), 1);
}

}  // namespace
}  // namespace melopad
