// The one melody the editor keeps: its score lines with the selection, and the
// values that go with them (song name, tempo, beats per bar, current length,
// modified flag). The score list on screen shows these lines through an observer.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "melopad/model/TickPositions.h"

namespace melopad {

inline constexpr int kMinTempo = 75;
inline constexpr int kMaxTempo = 200;
inline constexpr int kDefaultTempo = 120;
inline constexpr int kMinHyoushi = 1;
inline constexpr int kMaxHyoushi = 8;
inline constexpr int kDefaultHyoushi = 4;

// Told about every change of the lines and the selection, so a view can follow.
class MelodyObserver {
 public:
  virtual void LineInserted(int index) = 0;
  virtual void LineDeleted(int index) = 0;
  virtual void LinesCleared() = 0;
  virtual void SelectionChanged(int index) = 0;

 protected:
  ~MelodyObserver() = default;
};

class Melody {
 public:
  static constexpr int kNoSelection = -1;

  const std::vector<std::string>& Lines() const { return lines_; }
  int Count() const { return static_cast<int>(lines_.size()); }

  int SelectedIndex() const { return selected_; }
  // Any index outside the lines means no selection.
  void SetSelectedIndex(int index);

  // Inserts after the selected line (at the top when nothing is selected, at
  // the end when the last line is selected), selects it and sets Modified.
  void InsertScoreLine(std::string line);
  void DeleteLine(int index);
  // Empties the lines and the selection; Modified is left to the caller.
  void Clear();

  // Where the line at `row` starts in ticks: the lengths of the lines above
  // it added up (0 for the first). `row` may be Count(), the melody's length.
  std::int64_t StartTick(int row) const;

  // The score line for a key, or for a rest, with the current length.
  std::string MakeNoteLine(int pitchCode) const;
  std::string MakeRestLine() const;

  const std::string& SongName() const { return songName_; }
  void SetSongName(std::string name) { songName_ = std::move(name); }

  int Tempo() const { return tempo_; }
  // Held at the nearer limit when outside 75 to 200.
  void SetTempo(int tempo);

  int Hyoushi() const { return hyoushi_; }
  // Held at the nearer limit when outside 1 to 8.
  void SetHyoushi(int beatsPerBar);

  // Index 0 to 13 of the current note length, and its length code.
  int SelectedLengthIndex() const { return lengthIndex_; }
  void SetSelectedLengthIndex(int lengthIndex);
  int CurrentLengthCode() const;

  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // The observer must outlive the melody or be removed with nullptr.
  void SetObserver(MelodyObserver* observer) { observer_ = observer; }

 private:
  std::vector<std::string> lines_;
  int selected_ = kNoSelection;
  std::string songName_;
  int tempo_ = kDefaultTempo;
  int hyoushi_ = kDefaultHyoushi;
  int lengthIndex_ = 4;
  bool modified_ = false;
  MelodyObserver* observer_ = nullptr;
  // Filled in as rows are asked for, hence changed by the const StartTick.
  mutable TickPositions tickPositions_;
};

}  // namespace melopad
