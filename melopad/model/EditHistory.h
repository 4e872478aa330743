// Undo and redo of the melody's changes. A step is what one command did: the
// line changes it made, in order, and the song name, tempo and selection
// before and after it. Only the changed lines are kept, never a copy of the
// melody, and there is no limit on the number of steps.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "melopad/model/Melody.h"

namespace melopad {

// What a step changes apart from the lines.
struct EditState {
  std::string songName;
  int tempo = kDefaultTempo;
  int selected = Melody::kNoSelection;
  int anchor = Melody::kNoSelection;
  bool operator==(const EditState&) const = default;
};

// How a step joins the one before it: a tempo changed step by step (a run of
// wheel clicks) is one step as long as nothing else came between.
enum class EditKind { kChange, kTempo };

namespace edit_history {

// The lines `removed` at `first` gave way to `inserted`.
struct LineChange {
  int first = 0;
  std::vector<std::string> removed;
  std::vector<std::string> inserted;
};

struct Step {
  std::vector<LineChange> changes;
  EditState before;
  EditState after;
  EditKind kind = EditKind::kChange;
};

}  // namespace edit_history

class EditHistory : private LineChangeRecorder {
 public:
  using State = EditState;
  using Kind = EditKind;

  // Watches `melody`, which must outlive the history or be left first
  // (destroying the history leaves it).
  explicit EditHistory(Melody& melody);
  ~EditHistory();
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;

  // A command's changes between Begin and End make one step; a step that
  // changed nothing is dropped. A new step drops whatever was undone.
  void Begin();
  void End(Kind kind = Kind::kChange);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // Puts the melody back as it was before the last step done (or forward
  // as it was after the next one undone): lines, song name, tempo and
  // selection. The melody counts as modified unless it is back where it was
  // last saved.
  void Undo();
  void Redo();

  // The melody as it is now was saved.
  void MarkSaved();
  // A new or opened melody: no steps, and its state counts as saved unless
  // it is not (lines rescued from a damaged file, say).
  void Clear(bool saved = true);

 private:
  using LineChange = edit_history::LineChange;
  using Step = edit_history::Step;

  bool Recording() const override { return open_.has_value(); }
  void LinesReplaced(int first, const std::vector<std::string>& removed,
                     const std::vector<std::string>& inserted) override;
  State Now() const;
  void Restore(const State& state);
  bool JoinsLastStep(const Step& step) const;

  Melody& melody_;
  std::vector<Step> steps_;
  // Steps [0, done_) are done, the rest undone.
  std::size_t done_ = 0;
  // How many steps were done when the melody was saved; none when that
  // state can no longer be reached.
  std::optional<std::size_t> saved_ = 0;
  std::optional<Step> open_;
  int depth_ = 0;
};

}  // namespace melopad
