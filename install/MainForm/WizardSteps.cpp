// The wizard's page sequence: Next, Back and Cancel by the page counter, the
// folder field and its browse button.
#include "install/MainForm/FolderCheck.h"
#include "install/MainForm/Mainform.h"
#include "install/QvSystemAPI/FolderVariables.h"
#include "install/script/ScriptKeys.h"
#include "install/script/SetupScript.h"
#include "install/text/ContainsText.h"
#include "install/text/Paths.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

namespace keys = install::install_keys;

namespace {

constexpr char kNextCaption[] = "次へ(&N)";
constexpr char kCancelCaption[] = "キャンセル";

}  // namespace

void TfrmMainForm::btnNextClick() {
  if (UninstallMode) {
    if (WizardStep != 0) {
      Close();
      return;
    }
    // The passes let messages through, so another click can arrive while
    // the removal runs: it starts no second one.
    if (removalStarted_) return;
    removalStarted_ = true;
    services_.passes->Uninstall(*this);
    btnNext.SetText("完了");
    WizardStep = 1;
    return;
  }
  // The progress page's parts show once that page is up.
  for (toolkit::Window* part :
       std::initializer_list<toolkit::Window*>{&statProgress, &PrgAll, &lblinstallFolder}) {
    part->SetVisible(true);
  }
  switch (WizardStep) {
    case 0:
      btnRetry.SetVisible(true);
      pnlWelCome.SetVisible(false);
      WizardStep = 1;
      ShowReadMeOrSkip();
      break;
    case 1:
      ShowFolderPage();
      break;
    case 2: {
      // A folder the removal could not take again is refused here, before
      // anything is written; the wizard stays on the page.
      install::CheckInstallFolder(edtFolderInput.WideText());
      const install::SetupScript script(ScriptPath);
      if (script.Read(keys::kRegistStartMenu)) {
        WizardStep = 3;
        pnlConfirmation.SetVisible(false);
        pnlShortCut.SetVisible(true);
      } else {
        Install();
      }
      break;
    }
    case 3:
      Install();
      break;
    case 4:
      Finish();
      break;
    default:
      break;
  }
}

// A read-me that is not there skips its page.
void TfrmMainForm::ShowReadMeOrSkip() {
  const install::SetupScript script(ScriptPath);
  const std::wstring readMe = SetupDir + toolkit::PathFromText(script.Read(keys::kReadMe));
  if (!script.Read(keys::kShowReadMe) || !toolkit::FileExists(readMe)) {
    ShowFolderPage();
    return;
  }
  ShowReadMePage(true);
  mmReadMe.Clear();
  const std::vector<std::uint8_t> bytes = toolkit::ReadWholeFile(readMe);
  mmReadMe.SetLines(std::string(bytes.begin(), bytes.end()));
  ::SetFocus(mmReadMe.Handle());
  if (script.Read(keys::kReadMeIsLicense)) {
    lblLicense.SetVisible(true);
    btnNext.SetText("同意する");
    btnCancel.SetText("同意しない");
  }
}

void TfrmMainForm::ShowFolderPage() {
  WizardStep = 2;
  btnNext.SetText(kNextCaption);
  btnCancel.SetText(kCancelCaption);
  ShowReadMePage(false);
  pnlConfirmation.SetVisible(true);
  ProposeFolder();
  edtFolderInput.SetWideText(TargetDir);
}

// With "%SearchFileDir%" the folder of an installed old version is proposed;
// the search may take a while, so the page says so and its controls wait.
void TfrmMainForm::ProposeFolder() {
  const install::SetupScript script(ScriptPath);
  const std::string folder = script.Read(keys::kFolder);
  if (!install::ContainsText("%SearchFileDir%", folder)) {
    TargetDir = install::ExpandFolderVariable(folder, services_.system.family);
    return;
  }
  const std::initializer_list<toolkit::Window*> waiting = {
      &btnNext, &btnRetry, &btnCancel, &lblFolder, &edtFolderInput, &btnBrowseFolder};
  stSearchFile.SetVisible(true);
  for (toolkit::Window* control : waiting) control->SetEnabled(false);
  lblDiskUse.SetVisible(false);
  TargetDir = install::ExpandFolderVariable(folder, services_.system.family);
  if (TargetDir.empty()) {
    TargetDir =
        install::ExpandFolderVariable(script.Read(keys::kNonHitFolder), services_.system.family);
    stSearchFile.SetText("新規インストールです");
  } else {
    stSearchFile.SetVisible(false);
  }
  for (toolkit::Window* control : waiting) {
    control->SetEnabled(true);
    control->SetVisible(true);
  }
  lblDiskUse.SetVisible(true);
}

// The read-me page is wider than the others and covers the logo strip.
void TfrmMainForm::ShowReadMePage(bool visible) {
  pnlReadMe.SetVisible(visible);
  imgLogo.SetVisible(!visible);
}

void TfrmMainForm::btnRetryClick() {
  switch (WizardStep) {
    case 1:
      BackToWelcome();
      break;
    case 2: {
      WizardStep = 1;
      pnlConfirmation.SetVisible(false);
      const install::SetupScript script(ScriptPath);
      if (script.Read(keys::kShowReadMe)) {
        ShowReadMePage(true);
      } else {
        BackToWelcome();
      }
      break;
    }
    case 3:
      WizardStep = 2;
      pnlShortCut.SetVisible(false);
      pnlConfirmation.SetVisible(true);
      break;
    default:
      break;
  }
}

// Back from a licence would otherwise leave its "同意する" and "同意しない"
// on the welcome page.
void TfrmMainForm::BackToWelcome() {
  btnNext.SetText(kNextCaption);
  btnCancel.SetText(kCancelCaption);
  ShowReadMePage(false);
  pnlWelCome.SetVisible(true);
  btnRetry.SetVisible(false);
  WizardStep = 0;
}

void TfrmMainForm::btnCancelClick() {
  if (AskInformation("作業が完了していませんが中断しますか。")) Close();
}

void TfrmMainForm::edtFolderInputChange() {
  btnNext.SetEnabled(!edtFolderInput.WideText().empty());
}

void TfrmMainForm::btnBrowseFolderClick() {
  if (BrowseDialog.Execute(Handle())) edtFolderInput.SetWideText(BrowseDialog.Directory);
}
