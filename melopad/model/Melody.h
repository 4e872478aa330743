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
  // The lines from `first` on may have changed, and with them their number;
  // the lines above `first` are as they were.
  virtual void LinesChanged(int first) = 0;
  virtual void SelectionChanged(int index) = 0;

 protected:
  ~MelodyObserver() = default;
};

// Told about every change of the lines with what was there before, so that
// the change can be taken back (see EditHistory).
class LineChangeRecorder {
 public:
  // Whether changes are wanted now; when not, no copy is made of them.
  virtual bool Recording() const = 0;
  // The lines `removed` at `first` gave way to `inserted`.
  virtual void LinesReplaced(int first, const std::vector<std::string>& removed,
                             const std::vector<std::string>& inserted) = 0;

 protected:
  ~LineChangeRecorder() = default;
};

class Melody {
 public:
  static constexpr int kNoSelection = -1;

  const std::vector<std::string>& Lines() const { return lines_; }
  int Count() const { return static_cast<int>(lines_.size()); }

  int SelectedIndex() const { return selected_; }
  // Any index outside the lines means no selection. Selects one line: a
  // range selected before is given up.
  void SetSelectedIndex(int index);

  // A range of lines runs from its anchor, where it was started, to the
  // selected line (the caret), both included. Without a range the anchor is
  // kNoSelection and the selection is the selected line alone.
  int AnchorIndex() const { return anchor_; }
  // Extends the selection from where it started (the selected line, when no
  // range was started) to `index`, the new selected line.
  void ExtendSelectionTo(int index);
  // Selects from `anchor` to `caret`; an anchor equal to the caret or outside
  // the lines selects the caret alone.
  void SetSelectionRange(int anchor, int caret);
  // The first and last selected line; first > last without a selection.
  std::pair<int, int> SelectedRange() const;

  // Inserts after the selected line (at the top when nothing is selected, at
  // the end when the last line is selected), selects it and sets Modified.
  void InsertScoreLine(std::string line);
  void DeleteLine(int index);
  // Empties the lines and the selection; Modified is left to the caller.
  void Clear();
  // Puts `lines` in place of the lines from `first` up to `end` and sets
  // Modified. The selection is cleared: the caller selects what it wants.
  void ReplaceLines(int first, int end, std::vector<std::string> lines);

  // While a batch lives, the observer hears nothing; when it ends, the
  // observer hears once of all the lines changed and once of the selection,
  // if they changed. Loading a file or merging rests changes many thousands
  // of lines, and a view need follow only once.
  class ChangeBatch {
   public:
    explicit ChangeBatch(Melody& melody);
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

   private:
    Melody& melody_;
  };

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
  // The same for the recorder of line changes; none by default, and then no
  // change costs a copy of what it replaces.
  void SetRecorder(LineChangeRecorder* recorder) { recorder_ = recorder; }

 private:
  std::vector<std::string> lines_;
  int selected_ = kNoSelection;
  int anchor_ = kNoSelection;
  std::string songName_;
  int tempo_ = kDefaultTempo;
  int hyoushi_ = kDefaultHyoushi;
  int lengthIndex_ = 4;
  bool modified_ = false;
  MelodyObserver* observer_ = nullptr;
  LineChangeRecorder* recorder_ = nullptr;
  void Record(int first, int end, const std::vector<std::string>& inserted) const;
  void NotifyLinesChanged(int first);
  void NotifySelectionChanged();
  void EndBatch();
  static constexpr int kNoLineChanged = -1;
  int batchDepth_ = 0;
  int firstChangedInBatch_ = kNoLineChanged;
  bool selectionChangedInBatch_ = false;
  // Filled in as rows are asked for, hence changed by the const StartTick.
  mutable TickPositions tickPositions_;
};

}  // namespace melopad
