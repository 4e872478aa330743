// The playing window and the melody player: a small white window in the
// middle of the desktop that says the melody is playing and that a click on
// it stops, with a skeleton dancing one step per note. Shown modally, it
// plays the melody from the application's idle event and closes itself when
// the melody has ended or a click has stopped it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "melopad/model/Melody.h"
#include "melopad/playback/NoteSequencer.h"
#include "melopad/playback/NoteSoundBank.h"
#include "melopad/playback/born_loader.h"
#include "toolkit/Form.h"
#include "toolkit/UniqueHandle.h"

class TPlayingForm : public toolkit::Form {
 public:
  // Installs the player as the application's idle handler, in place of any
  // other, so that it starts as soon as the modal window goes idle. The
  // melody and the sounds must outlive the window.
  TPlayingForm(HWND owner, const melopad::Melody& melody, NoteSoundBank& sounds);
  ~TPlayingForm() override;

  // Set by a click on the window; the player stops before the next note.
  bool StopRequested = false;
  // The index of the first line to play, set between creation and showing.
  std::int32_t StartIndex = 0;
  born_loader Sprite;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormPaint(HDC dc);
  void OnPaint(HDC dc) override { FormPaint(dc); }
  void FormClick();
  void PlayMelody(bool& done);
  void PlayLine(int index);
  bool ShouldStop() const;
  void EndPlayback();

  const melopad::Melody& melody_;
  NoteSequencer sequencer_;
  toolkit::UniqueFont paintFont_;
  toolkit::UniquePen framePen_;
  bool idleHandlerInstalled_ = false;
  bool buttonDown_ = false;
};

// Plays the melody from line startIndex to its end in a playing window over
// the owner, and returns when the window has closed again.
void PlayMelodyFrom(HWND owner, const melopad::Melody& melody, NoteSoundBank& sounds,
                    int startIndex);
