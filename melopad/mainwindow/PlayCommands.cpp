// The commands that open windows of their own: playing the melody (tool
// bar, keys, context menu), the analysis and the key map.
#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/playback/Playingfrm.h"
#include "melopad/windows/Analizefrm.h"
#include "melopad/windows/Keymapfrm.h"

void TMelopadForm::PlayButtonClick() {
  PlayFrom(0);
}

// Plays from the selected line; without a selection nothing happens.
void TMelopadForm::DiffPlayButtonClick() {
  const int selected = ScoreListBox.ItemIndex();
  if (selected >= 0) PlayFrom(selected);
}

// After the playing the score list has the keyboard again, so the user can go
// on typing notes; a main window closed while it played is left alone.
void TMelopadForm::PlayFrom(int startIndex) {
  PlayMelodyFrom(Handle(), melody_, services_.sounds, startIndex);
  FocusScoreList();
}

void TMelopadForm::MnuOptionAnalizeClick() {
  TAnalizeForm analysis(Handle(), melody_);
  // A whole merge of rests is one step, however many lines it merged.
  AsEditStep([&] { analysis.ShowModal(); });
  // Merging rests may have made another length current.
  ShowCurrentLength();
}

// The key map window lives only while it is shown.
void TMelopadForm::MnuKeyMapClick() {
  TKeyMapForm keyMap(Handle());
  keyMap.ShowModal();
  FocusScoreList();
}

// Typing notes goes to the score list, so it gets the keyboard back whenever
// a window of the editor's own has taken it away.
void TMelopadForm::FocusScoreList() {
  if (HasHandle() && ScoreListBox.HasHandle()) ::SetFocus(ScoreListBox.Handle());
}
