#include "melopad/mainwindow/Melopadfrm.h"

#include "melopad/mainwindow/MainMenu.h"
#include "melopad/mainwindow/StartupFile.h"
#include "melopad/windows/Myfunc.h"
#include "melopad/windows/Versioninfofrm.h"
#include "toolkit/Application.h"

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

// What every open dialog asks for, and every save dialog.
toolkit::FileDialogSettings OpenSettings(const char* title, const char* filter) {
  toolkit::FileDialogSettings settings;
  settings.title = title;
  settings.filter = filter;
  settings.hideReadOnly = true;
  settings.pathMustExist = true;
  settings.fileMustExist = true;
  settings.resizable = true;
  return settings;
}

toolkit::FileDialogSettings SaveSettings(const char* title, const char* filter,
                                         const char* extension) {
  toolkit::FileDialogSettings settings;
  settings.title = title;
  settings.filter = filter;
  settings.defaultExtension = extension;
  settings.overwritePrompt = true;
  settings.hideReadOnly = true;
  settings.pathMustExist = true;
  settings.noReadOnlyReturn = true;
  settings.resizable = true;
  return settings;
}

toolkit::FileDialogSettings OpenDialogSettings() {
  toolkit::FileDialogSettings settings = OpenSettings("Alsファイルを開く", kAlsFilter);
  settings.noReadOnlyReturn = true;
  return settings;
}

// An import may read any file; an export names its format by the filter's
// extension, which the dialog adds to a name typed without one.
constexpr char kImportFilter[] =
    "MIDI ファイル (*.mid;*.midi)|*.mid;*.midi|RTTTL (*.txt;*.rtttl)|*.txt;*.rtttl|"
    "すべてのファイル (*.*)|*.*";
constexpr char kExportFilter[] =
    "MIDI ファイル (*.mid)|*.mid|RTTTL (*.txt;*.rtttl)|*.txt;*.rtttl|WAVE ファイル (*.wav)|*.wav";

// How long the splash stays on screen before start-up goes on.
constexpr DWORD kSplashMilliseconds = 500;

}  // namespace

TMelopadForm::TMelopadForm(MelopadServices services, std::wstring_view firstArgument)
    : Form(Design()),
      MainMenu(MainMenuTable(*this)),
      // The score list's context menu does what the tool bar buttons do.
      PopupMenu({
          {"再生", &pMnuPlay, [this] { PlayButtonClick(); }},
          {"途中再生", &N1, [this] { DiffPlayButtonClick(); }},
          {"削除", &pMnuDelete, [this] { DeleteButtonClick(); }},
      }),
      OpenDialog(OpenDialogSettings()),
      SaveDialog(SaveSettings("Alsファイルを保存する", kAlsFilter, "*.als")),
      ImportDialog(OpenSettings("インポート", kImportFilter)),
      ExportDialog(SaveSettings("エクスポート", kExportFilter, "mid")),
      services_(services) {
  ChooseMidiTrack = [this](const std::vector<melopad::MidiTrackInfo>& tracks, int suggested) {
    return AskMidiTrack(tracks, suggested);
  };
  SetMainMenuImages(*this);
  SetMainMenu(MainMenu);
  PlaceRegions();
  melody_.SetObserver(this);
  Construct(firstArgument);
}

TMelopadForm::~TMelopadForm() {
  melody_.SetObserver(nullptr);
  if (autoPlayInstalled_) toolkit::Application::Current().ClearIdleHandler();
}

// The start-up sequence: the splash stays up while the window is built and
// the melody named on the command line is loaded.
void TMelopadForm::Construct(std::wstring_view firstArgument) {
  toolkit::Application& application = toolkit::Application::Current();
  melody_.SetSongName({});
  TVersionInfoForm splash(Handle());
  splash.MakeSplash();
  splash.Show();
  application.ProcessMessages();
  application.Sleep(kSplashMilliseconds);
  BuildKeyPanels();
  BuildLengthButtons();
  LoadCommandLineMelody(firstArgument);
  melody_.SetModified(false);
  StartEditHistory(true);
  splash.Release();
  InstallAutoPlay();
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
  ScoreListBox.SetPopupMenu(&PopupMenu);
  PlaceToolBar();
  SetUpScoreListView();
}

// A file that fails to load is reported, and the editor starts all the same
// with whatever was read.
void TMelopadForm::LoadCommandLineMelody(std::wstring_view argument) {
  const std::wstring path(argument);
  if (!IsExistingAlsFile(path)) return;
  try {
    LoadAlsFile(path);
  } catch (const std::exception& error) {
    toolkit::Application::Current().HandleException(error);
  }
}

void TMelopadForm::InstallAutoPlay() {
  toolkit::Application::Current().SetIdleHandler([this](bool& done) { AutoPlayOnIdle(done); });
  autoPlayInstalled_ = true;
}

// Runs once, at the first idle moment after start-up, when the window shows:
// the score list gets the keyboard, a melody of two or more lines that
// start-up loaded is played, and the window comes to the top.
void TMelopadForm::AutoPlayOnIdle(bool&) {
  toolkit::Application::Current().ClearIdleHandler();
  autoPlayInstalled_ = false;
  FocusScoreList();
  if (melody_.Count() < 2) return;
  PlayButtonClick();
  ::BringWindowToTop(Handle());
}

void TMelopadForm::MnuHelpHelpClick() {
  ShellOpen(HelpPagePath(), L"");
}

void TMelopadForm::MnuHelpHomepageClick() {
  OpenHomepage();
}

void TMelopadForm::MnuHelpVersionClick() {
  services_.versionInfo.ShowModal();
}

// The list shows the melody's own lines: it needs only their number and the
// rows to draw again.
void TMelopadForm::LinesChanged(int first) {
  ScoreListBox.SetCount(melody_.Count());
  ScoreListBox.InvalidateFrom(first);
  UpdateEditMenu();
}

// The Edit menu is brought up to date as it opens: another program may have
// changed the clipboard meanwhile.
LRESULT TMelopadForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITMENUPOPUP) UpdateEditMenu();
  return Form::HandleMessage(message, wParam, lParam);
}

// The list shows the selected line itself; the other lines of a range are
// drawn selected by the view, so a range that comes or goes redraws it.
void TMelopadForm::SelectionChanged(int index) {
  if (ScoreListBox.ItemIndex() != index) ScoreListBox.SetItemIndex(index);
  const bool ranged = melody_.AnchorIndex() != melopad::Melody::kNoSelection;
  if (ranged || rangeShown_) ScoreListBox.Invalidate();
  rangeShown_ = ranged;
  UpdateEditMenu();
}
