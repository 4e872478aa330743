#include "melopad/model/Melody.h"

#include <algorithm>
#include <stdexcept>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

void Melody::SetSelectedIndex(int index) {
  const int newSelection = (index >= 0 && index < Count()) ? index : kNoSelection;
  if (newSelection == selected_) return;
  selected_ = newSelection;
  if (observer_ != nullptr) observer_->SelectionChanged(selected_);
}

void Melody::InsertScoreLine(std::string line) {
  // Right after the selection; at the top when lines exist but none is
  // selected; at the end when the last line is selected or there is none.
  const int position = selected_ < Count() - 1 ? selected_ + 1 : Count();
  lines_.insert(lines_.begin() + position, std::move(line));
  tickPositions_.ChangedFrom(position);
  selected_ = position;
  modified_ = true;
  if (observer_ == nullptr) return;
  observer_->LineInserted(position);
  observer_->SelectionChanged(selected_);
}

void Melody::DeleteLine(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("no score line at this index");
  lines_.erase(lines_.begin() + index);
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
  if (observer_ == nullptr) return;
  observer_->LineDeleted(index);
  if (selectionDeleted || selected_ != oldSelection) observer_->SelectionChanged(selected_);
}

void Melody::Clear() {
  lines_.clear();
  tickPositions_.Clear();
  selected_ = kNoSelection;
  if (observer_ != nullptr) observer_->LinesCleared();
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
