// Undo and redo over a user's sequence of changes: each step goes back and
// forward whole, with the song name, tempo and selection it had, and the
// melody is unmodified exactly where it was saved.
#include "melopad/model/EditHistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "melopad/model/Notes.h"
#include "melopad/model/RestMerge.h"

namespace melopad {
namespace {

struct Snapshot {
  std::vector<std::string> lines;
  EditHistory::State state;
  bool modified;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Melody& melody) {
  return {melody.Lines(),
          {melody.SongName(), melody.Tempo(), melody.SelectedIndex()},
          melody.Modified()};
}

TEST(EditHistory, EveryStepGoesBackAndForthWhole) {
  Melody melody;
  for (int i = 0; i < 3; ++i) melody.InsertScoreLine(melody.MakeNoteLine(kLowestPitch + i));
  melody.SetModified(false);
  EditHistory history(melody);
  const auto step = [&](const std::function<void()>& change,
                        EditHistory::Kind kind = EditHistory::Kind::kChange) {
    history.Begin();
    change();
    melody.SetModified(true);
    history.End(kind);
  };
  // The state after each step; the melody is saved after the second.
  std::vector<Snapshot> states = {Take(melody)};
  step([&] { melody.InsertScoreLine(melody.MakeRestLine()); });
  states.push_back(Take(melody));
  step([&] { melody.InsertScoreLine(melody.MakeRestLine()); });
  states.push_back(Take(melody));
  history.MarkSaved();
  step([&] { melody.SetSongName("かえる"); });
  states.push_back(Take(melody));
  step([&] { melody.SetTempo(121); }, EditHistory::Kind::kTempo);
  step([&] { melody.SetTempo(122); }, EditHistory::Kind::kTempo);  // joins the one above
  states.push_back(Take(melody));
  step([&] { MergeRests(melody); });  // the two quarter rests become a half rest
  states.push_back(Take(melody));
  step([&] { melody.DeleteLine(0); });
  states.push_back(Take(melody));
  step([] {});  // nothing changed: no step
  const auto expected = [&](std::size_t i) {
    Snapshot state = states[i];
    state.modified = i != 2;
    return state;
  };

  for (std::size_t i = states.size() - 1; i-- > 0;) {
    history.Undo();
    EXPECT_EQ(Take(melody), expected(i)) << "undone to state " << i;
  }
  EXPECT_FALSE(history.CanUndo());
  for (std::size_t i = 1; i < states.size(); ++i) {
    history.Redo();
    EXPECT_EQ(Take(melody), expected(i)) << "redone to state " << i;
  }
  EXPECT_FALSE(history.CanRedo());
  // A new change after an undo drops what was undone.
  history.Undo();
  step([&] { melody.SetSongName("別"); });
  EXPECT_FALSE(history.CanRedo());
  history.Clear();
  EXPECT_FALSE(history.CanUndo());
}

}  // namespace
}  // namespace melopad
