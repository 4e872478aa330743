// Cut, copy and paste of score lines: the editor's own clipboard format,
// which two running editors share, and text with one note a line.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/model/ClipboardLines.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Text.h"

// Registered by name, so every running editor has the same number for it.
UINT TMelopadForm::ScoreLinesFormat() {
  return toolkit::ClipboardFormat(L"Melopad.ScoreLines");
}

void TMelopadForm::MnuEditCopyClick() {
  const std::span<const std::string> lines = SelectedLines();
  if (lines.empty()) return;
  const toolkit::ClipboardData contents[] = {
      {ScoreLinesFormat(), melopad::PairsOfLines(lines)},
      toolkit::UnicodeTextData(toolkit::Widen(melopad::TextOfLines(lines)))};
  toolkit::PutOnClipboard(Handle(), contents);
  UpdateEditMenu();
}

void TMelopadForm::MnuEditCutClick() {
  if (melody_.SelectedIndex() == melopad::Melody::kNoSelection) return;
  MnuEditCopyClick();
  DeleteButtonClick();
}

// The editor's own format first; text only when that is not there.
void TMelopadForm::MnuEditPasteClick() {
  std::vector<std::string> lines;
  if (const auto pairs = toolkit::ReadClipboard(Handle(), ScoreLinesFormat())) {
    lines = melopad::LinesOfPairs(*pairs);
  } else if (const auto text = toolkit::ReadClipboardText(Handle())) {
    lines = melopad::LinesOfText(toolkit::Narrow(*text));
  }
  if (lines.empty()) return;
  const int selected = melody_.SelectedIndex();
  const int at = selected < melody_.Count() - 1 ? selected + 1 : melody_.Count();
  const int count = static_cast<int>(lines.size());
  AsEditStep([&] {
    melody_.ReplaceLines(at, at, std::move(lines));
    melody_.SetSelectionRange(at, at + count - 1);
  });
}
