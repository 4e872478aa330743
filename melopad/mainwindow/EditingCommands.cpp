// The editing commands of the tool bar, the score list's keys and the
// Options menu: delete a line, insert a rest, rename.
#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/model/Transpose.h"
#include "melopad/windows/Songnamediag.h"
#include "toolkit/Application.h"
#include "toolkit/Clipboard.h"

// Deletes the selected lines, silently and without asking; nothing without
// a selection. A range goes whole, and then the line that moved up into its place is
// selected, or the new last line, as for one line.
void TMelopadForm::DeleteButtonClick() {
  const auto [first, last] = melody_.SelectedRange();
  if (first > last) return;
  AsEditStep([&] {
    if (first == last) {
      melody_.DeleteLine(first);
      return;
    }
    melody_.ReplaceLines(first, last + 1, {});
    melody_.SetSelectedIndex(std::min(first, melody_.Count() - 1));
  });
}

std::span<const std::string> TMelopadForm::SelectedLines() const {
  const auto [first, last] = melody_.SelectedRange();
  if (first > last) return {};
  return std::span<const std::string>(melody_.Lines())
      .subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first + 1));
}

void TMelopadForm::MnuEditSelectAllClick() {
  melody_.SetSelectionRange(0, melody_.Count() - 1);
}

// Only when every selected note stays on the keyboard; the range stays
// selected.
void TMelopadForm::TransposeSelection(int semitones) {
  const std::span<const std::string> lines = SelectedLines();
  if (lines.empty()) return;
  const auto [first, last] = melody_.SelectedRange();
  std::optional<std::vector<std::string>> moved = melopad::TransposedLines(lines, semitones);
  if (!moved) {
    toolkit::Application& application = toolkit::Application::Current();
    application.Prompts().ShowMessage(
        Handle(), {"音符が鍵盤の音域(C-2～B-4)を超えるため、移調できません", application.Title(),
                   toolkit::MessageButtons::Ok, toolkit::MessageIcon::Information});
    return;
  }
  const int anchor = melody_.AnchorIndex();
  const int caret = melody_.SelectedIndex();
  AsEditStep([&] {
    melody_.ReplaceLines(first, last + 1, std::move(*moved));
    melody_.SetSelectionRange(anchor, caret);
  });
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

// Entries that cannot act are greyed.
void TMelopadForm::UpdateEditMenu() {
  MnuEditUndo.SetEnabled(history_.CanUndo());
  MnuEditRedo.SetEnabled(history_.CanRedo());
  MnuEditSelectAll.SetEnabled(melody_.Count() > 0);
  const bool selected = melody_.SelectedIndex() != melopad::Melody::kNoSelection;
  for (toolkit::MenuItem* item : {&MnuEditCut, &MnuEditCopy, &MnuEditSemitoneUp,
                                  &MnuEditSemitoneDown, &MnuEditOctaveUp, &MnuEditOctaveDown}) {
    item->SetEnabled(selected);
  }
  MnuEditPaste.SetEnabled(toolkit::ClipboardHolds(ScoreLinesFormat()) ||
                          toolkit::ClipboardHolds(CF_UNICODETEXT));
}
