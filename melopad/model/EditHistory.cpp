#include "melopad/model/EditHistory.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace melopad {

EditHistory::EditHistory(Melody& melody) : melody_(melody) {
  melody_.SetRecorder(this);
}

EditHistory::~EditHistory() {
  melody_.SetRecorder(nullptr);
}

EditHistory::State EditHistory::Now() const {
  return {melody_.SongName(), melody_.Tempo(), melody_.SelectedIndex(), melody_.AnchorIndex()};
}

// A step begun inside another is part of it.
void EditHistory::Begin() {
  if (depth_++ > 0) return;
  open_.emplace();
  open_->before = Now();
}

// Only changes inside a step are kept; the lines loaded from a file, say,
// are the start of the history, not a step in it. Of a change only the
// lines that differ are kept: the lines it left as they were at either end
// are trimmed off.
void EditHistory::LinesReplaced(int first, const std::vector<std::string>& removed,
                                const std::vector<std::string>& inserted) {
  if (!open_) return;
  const std::size_t shorter = std::min(removed.size(), inserted.size());
  std::size_t head = 0;
  while (head < shorter && removed[head] == inserted[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         removed[removed.size() - 1 - tail] == inserted[inserted.size() - 1 - tail]) {
    ++tail;
  }
  if (head + tail == removed.size() && head + tail == inserted.size()) return;
  open_->changes.push_back(
      {first + static_cast<int>(head),
       std::vector<std::string>(removed.begin() + static_cast<std::ptrdiff_t>(head),
                                removed.end() - static_cast<std::ptrdiff_t>(tail)),
       std::vector<std::string>(inserted.begin() + static_cast<std::ptrdiff_t>(head),
                                inserted.end() - static_cast<std::ptrdiff_t>(tail))});
}

bool EditHistory::JoinsLastStep(const Step& step) const {
  return step.kind == Kind::kTempo && step.changes.empty() && done_ > 0 && done_ == steps_.size() &&
         saved_ != done_ && steps_.back().kind == Kind::kTempo;
}

void EditHistory::End(Kind kind) {
  if (depth_ > 0 && --depth_ > 0) return;
  if (!open_) return;
  Step step = std::move(*open_);
  open_.reset();
  step.after = Now();
  step.kind = kind;
  if (step.changes.empty() && step.after == step.before) return;
  if (JoinsLastStep(step)) {
    steps_.back().after = step.after;
    return;
  }
  steps_.resize(done_);
  if (saved_ && *saved_ > done_) saved_.reset();
  steps_.push_back(std::move(step));
  ++done_;
}

void EditHistory::Restore(const State& state) {
  melody_.SetSongName(state.songName);
  melody_.SetTempo(state.tempo);
  melody_.SetSelectionRange(state.anchor, state.selected);
  melody_.SetModified(saved_ != done_);
}

// The changes are taken back last first, each its inserted lines giving way
// to those it removed; the view hears of them once.
void EditHistory::Undo() {
  if (!CanUndo()) return;
  const Step& step = steps_[--done_];
  melody_.SetRecorder(nullptr);
  {
    const Melody::ChangeBatch batch(melody_);
    for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) {
      melody_.ReplaceLines(change->first, change->first + static_cast<int>(change->inserted.size()),
                           change->removed);
    }
    Restore(step.before);
  }
  melody_.SetRecorder(this);
}

void EditHistory::Redo() {
  if (!CanRedo()) return;
  const Step& step = steps_[done_++];
  melody_.SetRecorder(nullptr);
  {
    const Melody::ChangeBatch batch(melody_);
    for (const LineChange& change : step.changes) {
      melody_.ReplaceLines(change.first, change.first + static_cast<int>(change.removed.size()),
                           change.inserted);
    }
    Restore(step.after);
  }
  melody_.SetRecorder(this);
}

void EditHistory::MarkSaved() {
  saved_ = done_;
}

void EditHistory::Clear(bool saved) {
  steps_.clear();
  done_ = 0;
  saved_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
  open_.reset();
  depth_ = 0;
}

}  // namespace melopad
