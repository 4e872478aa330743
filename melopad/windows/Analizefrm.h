// The analysis window: the melody's name, the size of its file, its number
// of lines and its expected playing time, and a button that merges runs of
// rests. It works on the main window's melody, whose score list follows
// every change through the melody's observer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "melopad/model/Melody.h"
#include "melopad/model/RestMerge.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/UniqueHandle.h"

class TAnalizeForm : public toolkit::Form {
  // ListBox1's font: made before the list and freed after it.
  toolkit::UniqueFont listFont_;

 public:
  // The owner is the main window, the melody its melody.
  TAnalizeForm(HWND owner, melopad::Melody& melody);

  void ShowAnalysis();
  void MergeButtonClick();
  void OkButtonClick();

  // A panel whose caption stands at its left: a raised bevel inside a
  // lowered one around the text.
  class ValuePanel : public toolkit::Panel {
   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    void OnPaint(HDC dc) override;
  };

  // The standard progress bar.
  class ProgressBar : public toolkit::Control {
   public:
    void Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) override;
    void SetRange(int min, int max);
    int Min() const;
    int Max() const;
    int Position() const;
    void SetPosition(int position);
  };

  toolkit::ListBox ListBox1;
  toolkit::Label SongNameLabel;
  toolkit::Label SongSizeLabel;
  toolkit::Label NoteNoLabel;
  toolkit::Label TimeLengthLabel;
  ValuePanel SongNamePanel;
  ValuePanel SongSizePanel;
  ValuePanel NoteNoPanel;
  ValuePanel TimeLengthPanel;
  toolkit::SpeedButton MergeButton;
  toolkit::SpeedButton OkButton;

  // Only while rests are being merged, in place of the controls above.
  std::optional<toolkit::Label> MergingLabel;
  std::optional<ProgressBar> MergingProgressBar;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MergeRests();
  void SetControlsVisible(bool visible);
  void ShowMergingProgress();
  void EndMergingProgress();
  void MergeRuleStarted(const melopad::MergeRule& rule);
  void MergeRuleFinished();
  void Merged(int index, int lineCount);
  void OnPaint(HDC dc) override;

  melopad::Melody& melody_;
  // The title as it was before the rule being applied.
  std::string title_;
  // Where the progress bar stands or is to stand once the window paints.
  int shownProgress_ = 0;
  // When the window last painted during a merge (tick count).
  ULONGLONG lastPainted_ = 0;
};
