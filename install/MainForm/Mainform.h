// The installer's one window: a fixed-size wizard that installs from the
// setup script beside the program (welcome, read-me, folder, shortcuts,
// progress) or, started with the path of an uninstall record, removes what
// an installation left.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "install/BrowsDlg/BrowsDlg.h"
#include "install/MainForm/InstallPasses.h"
#include "install/MainForm/RecordCheck.h"
#include "install/MainForm/RunningSystem.h"
#include "toolkit/BevelLine.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Memo.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/UniqueHandle.h"

// What the window needs from outside, replaceable by tests: the running
// system, the passes of the install step, the program's own file and
// arguments, and how the program ends at once.
struct WizardServices {
  install::RunningSystem system = install::QueryRunningSystem();
  install::InstallPasses* passes = nullptr;
  std::wstring programPath;
  std::vector<std::wstring> arguments;
  void (*endProgram)(int exitCode) = nullptr;
};

class TfrmMainForm : public toolkit::Form {
 public:
  explicit TfrmMainForm(WizardServices services);

  // Decides the mode and sets the pages up from the script; runs once, when
  // the window first becomes active.
  void FormActivate();
  void btnNextClick();
  void btnRetryClick();
  void btnCancelClick();
  void btnBrowseFolderClick();
  void edtFolderInputChange();

  // The program's own file, as it was started.
  const std::wstring& ProgramPath() const noexcept { return services_.programPath; }

  // The logo strip and the buttons.
  toolkit::PictureBox imgLogo;
  toolkit::Label lblLogo;
  toolkit::BevelLine Bevel1;
  toolkit::Button btnRetry;
  toolkit::Button btnNext;
  toolkit::Button btnCancel;

  toolkit::Panel pnlWelCome;
  toolkit::Label Mes1, Mes2, Mes3, StaticText4;

  toolkit::Panel pnlReadMe;
  toolkit::Label Label2;
  toolkit::Memo mmReadMe;
  toolkit::Label lblLicense;

  toolkit::Panel pnlConfirmation;
  toolkit::Label statInstallFolder, lblFolder;
  toolkit::Edit edtFolderInput;
  toolkit::Button btnBrowseFolder;
  toolkit::Label lblDiskUse, stSearchFile;

  toolkit::Panel pnlShortCut;
  toolkit::Label Label4;
  toolkit::ComboBox cmbGroupName;
  toolkit::CheckBox CheckBox1;

  toolkit::Panel pnlDisposition;
  toolkit::Label Label9, lblinstallFolder;
  toolkit::ProgressBar PrgAll;
  toolkit::Label statProgress;

  install::TBrowseDialog BrowseDialog;

  // The page counter: 0 to 4 installing, 0 or 1 uninstalling.
  int WizardStep = 0;
  bool UninstallMode = false;
  // A file of the file pass could not be deleted during removal.
  bool DeleteFailed = false;
  // The setup script or uninstall record in use, and the program's folder
  // with a trailing backslash. A removal reads a checked copy of the record
  // (ScriptPath) and deletes the record itself (RecordPath) at its end.
  std::wstring ScriptPath;
  std::wstring RecordPath;
  std::wstring SetupDir;
  // The start menu's Programs folder, and the install folder proposed on
  // the folder page.
  std::wstring ProgramsDir;
  std::wstring TargetDir;
  // The install folder of the install step: the folder typed, without a
  // trailing backslash.
  std::wstring InstallDir;
  // Files the file pass installed; the finish step never deletes one of
  // them as a source file.
  std::vector<std::wstring> InstalledFiles;
  // The [File] keys whose copy the user declined at the overwrite question:
  // the files there stay the user's, and the record says so.
  std::vector<std::string> KeptFileKeys;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PlaceWizardControls();
  void SetUpUninstallMode();
  void CheckRecord();
  void SetUpInstallMode();
  void CheckSystem();
  void ShowLogo();
  void ListGroups();
  void ShowReadMeOrSkip();
  void ShowReadMePage(bool visible);
  void ProposeFolder();
  void Install();
  bool ConfirmInstallFolder();
  void Finish();
  void DeleteSourceFiles();
  void ShowFolderPage();
  void BackToWelcome();
  void ShowMessage(const std::wstring& text);
  bool AskInformation(std::string_view text);
  void CloseLater();

  WizardServices services_;
  toolkit::UniqueFont readMeFont_;
  bool activated_ = false;
  // Set once the removal has begun, so it runs at most once.
  bool removalStarted_ = false;
  // The checked copy of the uninstall record a removal reads.
  std::optional<install::RecordCopy> recordCopy_;
};
