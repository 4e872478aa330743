#include "melopad/model/Melody.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

void Melody::SetSelectedIndex(int index) {
  SetSelectionRange(kNoSelection, index);
}

void Melody::SetSelectionRange(int anchor, int caret) {
  const int newSelection = (caret >= 0 && caret < Count()) ? caret : kNoSelection;
  const bool ranged =
      newSelection != kNoSelection && anchor != newSelection && anchor >= 0 && anchor < Count();
  const int newAnchor = ranged ? anchor : kNoSelection;
  if (newSelection == selected_ && newAnchor == anchor_) return;
  selected_ = newSelection;
  anchor_ = newAnchor;
  NotifySelectionChanged();
}

void Melody::ExtendSelectionTo(int index) {
  SetSelectionRange(anchor_ != kNoSelection ? anchor_ : selected_, index);
}

std::pair<int, int> Melody::SelectedRange() const {
  if (selected_ == kNoSelection) return {0, -1};
  if (anchor_ == kNoSelection) return {selected_, selected_};
  return {std::min(anchor_, selected_), std::max(anchor_, selected_)};
}

void Melody::InsertScoreLine(std::string line) {
  // Right after the selection; at the top when lines exist but none is
  // selected; at the end when the last line is selected or there is none.
  const int position = selected_ < Count() - 1 ? selected_ + 1 : Count();
  Record(position, position, {line});
  anchor_ = kNoSelection;
  lines_.insert(lines_.begin() + position, std::move(line));
  tickPositions_.ChangedFrom(position);
  selected_ = position;
  modified_ = true;
  NotifyLinesChanged(position);
  NotifySelectionChanged();
}

void Melody::DeleteLine(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("no score line at this index");
  Record(index, index + 1, {});
  lines_.erase(lines_.begin() + index);
  anchor_ = kNoSelection;
  tickPositions_.ChangedFrom(index);
  modified_ = true;
  const bool selectionDeleted = selected_ == index;
  const int oldSelection = selected_;
  if (selectionDeleted) {
    // The line that moved up into the deleted one's place takes over; the
    // new last line when the last one went.
    selected_ = std::min(index, Count() - 1);
  } else if (selected_ > index) {
    --selected_;
  }
  NotifyLinesChanged(index);
  if (selectionDeleted || selected_ != oldSelection) NotifySelectionChanged();
}

void Melody::Clear() {
  const bool hadSelection = selected_ != kNoSelection;
  Record(0, Count(), {});
  lines_.clear();
  anchor_ = kNoSelection;
  tickPositions_.Clear();
  selected_ = kNoSelection;
  NotifyLinesChanged(0);
  if (hadSelection) NotifySelectionChanged();
}

void Melody::ReplaceLines(int first, int end, std::vector<std::string> lines) {
  if (first < 0 || first > end || end > Count()) {
    throw std::out_of_range("no score lines in this range");
  }
  Record(first, end, lines);
  // Lines replaced one for one are overwritten in place; only the difference
  // moves the lines below.
  const auto kept = std::min(static_cast<std::size_t>(end - first), lines.size());
  const auto from = lines_.begin() + first;
  std::move(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept), from);
  const auto rest = from + static_cast<std::ptrdiff_t>(kept);
  if (kept < lines.size()) {
    lines_.insert(rest, std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(kept)),
                  std::make_move_iterator(lines.end()));
  } else {
    lines_.erase(rest, lines_.begin() + end);
  }
  tickPositions_.ChangedFrom(first);
  modified_ = true;
  const bool hadSelection = selected_ != kNoSelection;
  selected_ = kNoSelection;
  anchor_ = kNoSelection;
  NotifyLinesChanged(first);
  if (hadSelection) NotifySelectionChanged();
}

void Melody::Record(int first, int end, const std::vector<std::string>& inserted) const {
  if (recorder_ == nullptr || !recorder_->Recording()) return;
  const std::vector<std::string> removed(lines_.begin() + first, lines_.begin() + end);
  recorder_->LinesReplaced(first, removed, inserted);
}

Melody::ChangeBatch::ChangeBatch(Melody& melody) : melody_(melody) {
  ++melody_.batchDepth_;
}

Melody::ChangeBatch::~ChangeBatch() {
  melody_.EndBatch();
}

void Melody::NotifyLinesChanged(int first) {
  if (batchDepth_ > 0) {
    firstChangedInBatch_ =
        firstChangedInBatch_ == kNoLineChanged ? first : std::min(firstChangedInBatch_, first);
  } else if (observer_ != nullptr) {
    observer_->LinesChanged(first);
  }
}

void Melody::NotifySelectionChanged() {
  if (batchDepth_ > 0) {
    selectionChangedInBatch_ = true;
  } else if (observer_ != nullptr) {
    observer_->SelectionChanged(selected_);
  }
}

// The lines before the selection: a view shows the lines first and then
// selects among them.
void Melody::EndBatch() {
  if (--batchDepth_ > 0) return;
  const int first = std::exchange(firstChangedInBatch_, kNoLineChanged);
  const bool selectionChanged = std::exchange(selectionChangedInBatch_, false);
  if (first != kNoLineChanged) NotifyLinesChanged(first);
  if (selectionChanged) NotifySelectionChanged();
}

std::int64_t Melody::StartTick(int row) const {
  return tickPositions_.StartTick(lines_, row);
}

std::string Melody::MakeNoteLine(int pitchCode) const {
  return ComposeScoreLine(PitchLabel(pitchCode), lengthIndex_, pitchCode);
}

std::string Melody::MakeRestLine() const {
  return ComposeScoreLine(kRestLabel, lengthIndex_, kRestPitch);
}

void Melody::SetTempo(int tempo) {
  tempo_ = std::clamp(tempo, kMinTempo, kMaxTempo);
}

void Melody::SetHyoushi(int beatsPerBar) {
  hyoushi_ = std::clamp(beatsPerBar, kMinHyoushi, kMaxHyoushi);
}

void Melody::SetSelectedLengthIndex(int lengthIndex) {
  if (lengthIndex < 0 || lengthIndex >= kLengthCount) {
    throw std::out_of_range("length index out of range");
  }
  lengthIndex_ = lengthIndex;
}

int Melody::CurrentLengthCode() const {
  return LengthCodeOf(lengthIndex_);
}

}  // namespace melopad
