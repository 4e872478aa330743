#include "melopad/mainwindow/Melopadfrm.h"

#include "melopad/mainwindow/MainMenu.h"
#include "melopad/mainwindow/StartupFile.h"

namespace {

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "Melopad";
  design.clientWidth = 447;
  design.clientHeight = 376;
  design.border = toolkit::BorderStyle::Single;
  design.minimizeBox = true;
  return design;
}

constexpr char kAlsFilter[] = "PメールDXメロディファイル|*.als";

toolkit::FileDialogSettings OpenDialogSettings() {
  toolkit::FileDialogSettings settings;
  settings.title = "Alsファイルを開く";
  settings.filter = kAlsFilter;
  settings.hideReadOnly = true;
  settings.pathMustExist = true;
  settings.fileMustExist = true;
  settings.noReadOnlyReturn = true;
  settings.resizable = true;
  return settings;
}

toolkit::FileDialogSettings SaveDialogSettings() {
  toolkit::FileDialogSettings settings;
  settings.title = "Alsファイルを保存する";
  settings.filter = kAlsFilter;
  settings.defaultExtension = "*.als";
  settings.overwritePrompt = true;
  settings.hideReadOnly = true;
  settings.pathMustExist = true;
  settings.noReadOnlyReturn = true;
  settings.resizable = true;
  return settings;
}

}  // namespace

TMelopadForm::TMelopadForm(TSongNameDialog& songNameDialog, std::string_view firstArgument)
    : Form(Design()),
      MainMenu(MainMenuTable(*this, {.exit = [this] { MnuFileExitClick(); }})),
      OpenDialog(OpenDialogSettings()),
      SaveDialog(SaveDialogSettings()),
      songNameDialog_(songNameDialog) {
  SetMainMenu(MainMenu);
  PlaceRegions();
  melody_.SetObserver(this);
  LoadCommandLineMelody(firstArgument);
  melody_.SetModified(false);
}

TMelopadForm::~TMelopadForm() {
  melody_.SetObserver(nullptr);
}

// The design-time regions: tool bar on top, keyboard at the bottom, length
// buttons on the right and the score list filling the rest.
void TMelopadForm::PlaceRegions() {
  ToolBarPanel.SetBevelInner(toolkit::Bevel::Lowered);
  ToolBarPanel.SetBorderWidth(2);
  PlaceControls({
      {ToolBarPanel, {0, 0, 447, 29}},
      {ScoreListBox, {0, 29, 316, 246}},
      {ScorePanel, {316, 29, 131, 246}},
      {KeyboardPanel, {0, 275, 447, 101}},
  });
  ScoreListBox.OnSelectionChange = [this] { ScoreListBoxClick(); };
}

void TMelopadForm::LoadCommandLineMelody(std::string_view argument) {
  if (IsExistingAlsFile(argument)) LoadAlsFile(std::string(argument));
}

void TMelopadForm::MnuFileExitClick() {
  Close();
}

void TMelopadForm::ScoreListBoxClick() {
  melody_.SetSelectedIndex(ScoreListBox.ItemIndex());
}

void TMelopadForm::LineInserted(int index) {
  ScoreListBox.Insert(index, melody_.Lines()[static_cast<size_t>(index)]);
}

void TMelopadForm::LineDeleted(int index) {
  ScoreListBox.Delete(index);
}

void TMelopadForm::LinesCleared() {
  ScoreListBox.Clear();
}

void TMelopadForm::SelectionChanged(int index) {
  if (ScoreListBox.ItemIndex() != index) ScoreListBox.SetItemIndex(index);
}
