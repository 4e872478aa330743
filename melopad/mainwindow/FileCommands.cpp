// New, Open, Save, Exit and closing the window: the commands that replace
// or keep the melody, with the question asked before changes are lost.
#include <optional>

#include "melopad/mainwindow/Melopadfrm.h"
#include "toolkit/Application.h"

namespace {

toolkit::MessageAnswer AskToSaveChanges(HWND owner, toolkit::MessageButtons buttons) {
  return toolkit::Application::Current().Prompts().ShowMessage(
      owner, {"現在のファイルは変更されています。保存しますか?", "Melopad", buttons,
              toolkit::MessageIcon::Question});
}

}  // namespace

std::optional<std::wstring> TMelopadForm::ExecuteSaveDialog() {
  return toolkit::Application::Current().Prompts().ChooseFileToSave(Handle(), SaveDialog);
}

std::optional<std::wstring> TMelopadForm::ExecuteOpenDialog() {
  return toolkit::Application::Current().Prompts().ChooseFileToOpen(Handle(), OpenDialog);
}

// Shows the save dialog and writes the chosen file; false when cancelled.
bool TMelopadForm::SaveThroughDialog() {
  const std::optional<std::wstring> path = ExecuteSaveDialog();
  if (!path) return false;
  WriteAlsFile(*path);
  return true;
}

void TMelopadForm::MnuNewClick() {
  if (melody_.Modified() &&
      AskToSaveChanges(Handle(), toolkit::MessageButtons::YesNo) == toolkit::MessageAnswer::Yes &&
      !SaveThroughDialog()) {
    return;
  }
  melody_.Clear();
  melody_.SetSongName({});
  SaveDialog.fileName.clear();
  melody_.SetModified(false);
  StartEditHistory(true);
}

// Before another melody takes the place of a changed one: false when the
// user cancelled the question or the save.
bool TMelopadForm::SaveChangesBeforeReplacing() {
  if (!melody_.Modified()) return true;
  const toolkit::MessageAnswer answer =
      AskToSaveChanges(Handle(), toolkit::MessageButtons::YesNoCancel);
  if (answer == toolkit::MessageAnswer::Cancel) return false;
  return answer == toolkit::MessageAnswer::No || SaveThroughDialog();
}

void TMelopadForm::MnuLoadAlsClick() {
  if (!SaveChangesBeforeReplacing()) return;
  const std::optional<std::wstring> path = ExecuteOpenDialog();
  if (!path) return;
  LoadAlsFile(*path);
}

void TMelopadForm::MnuSaveAlsClick() {
  AskSongNameIfMissing();
  SaveThroughDialog();
}

void TMelopadForm::MnuFileExitClick() {
  Close();
}

bool TMelopadForm::FormCloseQuery() {
  if (!melody_.Modified()) return true;
  switch (AskToSaveChanges(Handle(), toolkit::MessageButtons::YesNoCancel)) {
    case toolkit::MessageAnswer::No:
      return true;
    case toolkit::MessageAnswer::Yes:
      return SaveThroughDialog();
    default:
      return false;
  }
}
