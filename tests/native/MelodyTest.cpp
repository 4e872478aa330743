#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {
namespace {

// Lines "0", "1", ... so positions are easy to check; selection as given.
Melody MelodyWith(int lineCount, int selected) {
  Melody melody;
  for (int i = 0; i < lineCount; ++i) melody.InsertScoreLine(std::to_string(i));
  melody.SetSelectedIndex(selected);
  melody.SetModified(false);
  return melody;
}

class EventLog : public MelodyObserver {
 public:
  void LinesChanged(int first) override { events.push_back("lines " + std::to_string(first)); }
  void SelectionChanged(int index) override {
    events.push_back("selected " + std::to_string(index));
  }
  std::vector<std::string> events;
};

TEST(InsertScoreLine, GoesAfterSelectionOrTopOrEnd) {
  struct Case {
    int lineCount;
    int selected;
    int expectedIndex;
  };
  for (const Case& c :
       {Case{0, -1, 0}, Case{3, -1, 0}, Case{3, 0, 1}, Case{3, 1, 2}, Case{3, 2, 3}}) {
    Melody melody = MelodyWith(c.lineCount, c.selected);
    melody.InsertScoreLine("new");
    SCOPED_TRACE(testing::Message() << c.lineCount << " lines, selected " << c.selected);
    EXPECT_EQ(melody.Count(), c.lineCount + 1);
    EXPECT_EQ(melody.Lines()[static_cast<std::size_t>(c.expectedIndex)], "new");
    EXPECT_EQ(melody.SelectedIndex(), c.expectedIndex);
    EXPECT_TRUE(melody.Modified());
  }
}

TEST(DeleteLine, SelectsTheLineThatMovedUpOrTheNewLastLine) {
  struct Case {
    int lineCount;
    int selected;
    int deleted;
    int expectedSelection;
  };
  for (const Case& c : {Case{3, 1, 1, 1}, Case{3, 0, 0, 0}, Case{3, 2, 2, 1}, Case{1, 0, 0, -1},
                        Case{3, 2, 0, 1}, Case{3, 0, 2, 0}, Case{3, -1, 1, -1}}) {
    Melody melody = MelodyWith(c.lineCount, c.selected);
    melody.DeleteLine(c.deleted);
    SCOPED_TRACE(testing::Message() << "selected " << c.selected << ", deleted " << c.deleted);
    EXPECT_EQ(melody.Count(), c.lineCount - 1);
    EXPECT_EQ(melody.SelectedIndex(), c.expectedSelection);
    EXPECT_TRUE(melody.Modified());
  }
}

TEST(DeleteLine, RejectsIndexOutsideTheLines) {
  Melody melody = MelodyWith(2, 0);
  EXPECT_THROW(melody.DeleteLine(2), std::out_of_range);
  EXPECT_THROW(melody.DeleteLine(-1), std::out_of_range);
}

TEST(Clear, EmptiesLinesAndSelectionButLeavesModified) {
  for (const bool modified : {false, true}) {
    Melody melody = MelodyWith(3, 1);
    melody.SetModified(modified);
    melody.Clear();
    EXPECT_EQ(melody.Count(), 0);
    EXPECT_EQ(melody.SelectedIndex(), Melody::kNoSelection);
    EXPECT_EQ(melody.Modified(), modified);
  }
}

TEST(SetSelectedIndex, IndexOutsideTheLinesMeansNoSelection) {
  for (const int index : {-5, 3, 100}) {
    Melody melody = MelodyWith(3, 1);
    melody.SetSelectedIndex(index);
    EXPECT_EQ(melody.SelectedIndex(), Melody::kNoSelection) << index;
  }
}

TEST(MelodySettings, TempoAndBeatsAreHeldAtTheirLimits) {
  struct Case {
    int requested;
    int tempo;
    int hyoushi;
  };
  for (const Case& c : {Case{0, 75, 1}, Case{5, 75, 5}, Case{121, 121, 8}, Case{500, 200, 8}}) {
    Melody melody;
    melody.SetTempo(c.requested);
    melody.SetHyoushi(c.requested);
    EXPECT_EQ(melody.Tempo(), c.tempo) << c.requested;
    EXPECT_EQ(melody.Hyoushi(), c.hyoushi) << c.requested;
  }
}

TEST(MelodySettings, LengthIndexMustNameOneOfTheLengths) {
  Melody melody;
  melody.SetSelectedLengthIndex(13);
  EXPECT_EQ(melody.CurrentLengthCode(), 205);
  EXPECT_THROW(melody.SetSelectedLengthIndex(14), std::out_of_range);
  EXPECT_THROW(melody.SetSelectedLengthIndex(-1), std::out_of_range);
  EXPECT_EQ(melody.SelectedLengthIndex(), 13);
}

TEST(MakeLines, UseKeyLabelOrRestLabelWithCurrentLength) {
  Melody melody;
  melody.SetSelectedLengthIndex(6);
  const std::string note = melody.MakeNoteLine(74);
  EXPECT_EQ(note.rfind(PitchLabel(74) + "     " + LengthNames[6], 0), 0u) << note;
  EXPECT_EQ(ParseScoreLine(note).pitchCode, 74);
  EXPECT_EQ(ParseScoreLine(note).lengthCode, 198);
  const std::string rest = melody.MakeRestLine();
  EXPECT_EQ(rest.rfind(kRestLabel, 0), 0u) << rest;
  EXPECT_EQ(ParseScoreLine(rest).pitchCode, 0);
  EXPECT_EQ(ParseScoreLine(rest).lengthCode, 198);
}

TEST(MelodyObserver, HearsEachChangeInOrder) {
  Melody melody;
  EventLog log;
  melody.SetObserver(&log);
  melody.InsertScoreLine("a");
  melody.InsertScoreLine("b");
  melody.SetSelectedIndex(1);  // unchanged: no event
  melody.SetSelectedIndex(0);
  melody.DeleteLine(1);  // a later line: selection stays, no event
  melody.DeleteLine(0);
  melody.InsertScoreLine("c");
  melody.Clear();
  const std::vector<std::string> expected = {"lines 0",    "selected 0", "lines 1", "selected 1",
                                             "selected 0", "lines 1",    "lines 0", "selected -1",
                                             "lines 0",    "selected 0", "lines 0", "selected -1"};
  EXPECT_EQ(log.events, expected);
}

// A batch, nested or not, ends with one notice from the first line changed
// and one of the selection; an exception ending it early does too.
TEST(MelodyObserver, HearsABatchOnceAtItsEnd) {
  Melody melody = MelodyWith(6, 4);
  EventLog log;
  melody.SetObserver(&log);
  try {
    const Melody::ChangeBatch batch(melody);
    melody.DeleteLine(3);
    {
      const Melody::ChangeBatch inner(melody);
      melody.ReplaceLines(1, 2, {"x", "y"});
      melody.SetSelectedIndex(2);
    }
    EXPECT_TRUE(log.events.empty());
    throw std::runtime_error("read error");
  } catch (const std::runtime_error&) {
  }
  const std::vector<std::string> expected = {"lines 1", "selected 2"};
  EXPECT_EQ(log.events, expected);
  const std::vector<std::string> lines = {"0", "x", "y", "2", "4", "5"};
  EXPECT_EQ(melody.Lines(), lines);

  log.events.clear();
  { const Melody::ChangeBatch unchanged(melody); }
  EXPECT_TRUE(log.events.empty()) << "a batch without changes is silent";
}

TEST(MelodyObserver, HearsNewSelectionWhenSelectedTopLineIsDeleted) {
  Melody melody = MelodyWith(2, 0);
  EventLog log;
  melody.SetObserver(&log);
  melody.DeleteLine(0);
  const std::vector<std::string> expected = {"lines 0", "selected 0"};
  EXPECT_EQ(log.events, expected);
}

// A range runs from where it was started to the selected line; selecting
// one line or changing the lines gives it up.
TEST(SelectedRange, RunsFromItsAnchorToTheSelectedLine) {
  Melody melody = MelodyWith(6, 2);
  using Range = std::pair<int, int>;
  melody.ExtendSelectionTo(4);
  EXPECT_EQ(melody.SelectedRange(), Range(2, 4));
  melody.ExtendSelectionTo(0);
  EXPECT_EQ(melody.SelectedRange(), Range(0, 2));
  EXPECT_EQ(melody.SelectedIndex(), 0);
  melody.SetSelectionRange(5, 5);
  EXPECT_EQ(melody.AnchorIndex(), Melody::kNoSelection);
  melody.SetSelectionRange(1, 3);
  melody.InsertScoreLine("x");
  EXPECT_EQ(melody.SelectedRange(), Range(4, 4));
  melody.SetSelectedIndex(-1);
  EXPECT_GT(melody.SelectedRange().first, melody.SelectedRange().second);
}

}  // namespace
}  // namespace melopad
