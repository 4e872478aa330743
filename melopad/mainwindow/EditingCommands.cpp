// The editing commands of the tool bar, the score list's keys and the
// Options menu: delete a line, insert a rest, rename.
#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Songnamediag.h"
#include "toolkit/Application.h"

// Deletes the selected line, silently and without asking; nothing without a
// selection.
void TMelopadForm::DeleteButtonClick() {
  const int selected = melody_.SelectedIndex();
  if (selected >= 0) AsEditStep([&] { melody_.DeleteLine(selected); });
}

void TMelopadForm::PauseButtonClick() {
  AsEditStep([&] { melody_.InsertScoreLine(melody_.MakeRestLine()); });
}

void TMelopadForm::ScoreListBoxKeyDown(WPARAM key) {
  if (key == VK_DELETE) DeleteButtonClick();
}

// The name dialog shows the current name; every way of closing it renames,
// an empty name included.
void TMelopadForm::MnuOptionSongNameClick() {
  TSongNameDialog& dialog = services_.songName;
  dialog.NameEdit.SetText(melody_.SongName());
  if (dialog.ShowModal() == toolkit::kModalNone) return;
  AsEditStep([&] {
    melody_.SetSongName(dialog.NameEdit.Text());
    SetText(melody_.SongName());
    melody_.SetModified(true);
  });
}

void TMelopadForm::AsEditStep(const std::function<void()>& change,
                              melopad::EditHistory::Kind kind) {
  history_.Begin();
  try {
    change();
  } catch (...) {
    // What the change did before it failed is still one step.
    history_.End(kind);
    UpdateEditMenu();
    throw;
  }
  history_.End(kind);
  UpdateEditMenu();
}

void TMelopadForm::StartEditHistory(bool saved) {
  history_.Clear(saved);
  UpdateEditMenu();
}

void TMelopadForm::MnuEditUndoClick() {
  history_.Undo();
  ShowUndoneState();
}

void TMelopadForm::MnuEditRedoClick() {
  history_.Redo();
  ShowUndoneState();
}

void TMelopadForm::ShowUndoneState() {
  SetText(melody_.SongName());
  ShowMelodySettings();
  UpdateEditMenu();
}

void TMelopadForm::UpdateEditMenu() {
  MnuEditUndo.SetEnabled(history_.CanUndo());
  MnuEditRedo.SetEnabled(history_.CanRedo());
}
