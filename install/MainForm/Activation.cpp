// What the wizard does when its window first becomes active: it decides
// between installing and removing, and sets the pages up from the script.
#include <windows.h>

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "install/MainForm/Mainform.h"
#include "install/MainForm/RecordedNames.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "install/script/ScriptKeys.h"
#include "install/script/SetupScript.h"
#include "install/text/Paths.h"
#include "toolkit/Application.h"
#include "toolkit/FileError.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Files.h"
#include "toolkit/PictureFile.h"
#include "toolkit/Text.h"

namespace keys = install::install_keys;

namespace {

constexpr UINT kActivated = WM_APP + 1;

constexpr char kAboutMessage[] =
    "Birchgate　Ver.1.25.30\r"
    "アンインストーラプログラムです。\r"
    "削除するとBirchgateでインストールされたアプリケーションのアンインストールができなくなりま"
    "す。\r"
    "\r"
    "インストールするアプリケーションのフォルダから起動してください。";

// Sub-folders and names without extension, as the pattern "*." finds them on
// Windows (Wine's listing gives every name for it, so the rule is applied
// here); hidden and system entries are left out, as a search for folders
// leaves them out.
bool IsGroupEntry(const toolkit::FolderEntry& entry) {
  if ((entry.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) return false;
  return entry.name.find(L'.') == std::wstring::npos;
}

}  // namespace

// Activation is handled once the activation itself is over, so the boxes it
// may show do not appear in the middle of it.
LRESULT TfrmMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && !activated_) {
    ::PostMessageW(Handle(), kActivated, 0, 0);
  } else if (message == kActivated) {
    FormActivate();
    return 0;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

void TfrmMainForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  UninstallMode = false;
  SetupDir = install::IncludeTrailingBackslash(install::ExtractFileDir(services_.programPath));
  ProgramsDir = install::GetShellFolder(install::kProgramsFolder, services_.system.family);
  const bool hasArgument = !services_.arguments.empty();
  if (!hasArgument && !toolkit::FileExists(SetupDir + install::kUninstallRecordName)) {
    ShowMessage(toolkit::Widen(kAboutMessage));
    CloseLater();
  } else {
    ScriptPath =
        hasArgument ? services_.arguments.front() : SetupDir + install::kUninstallRecordName;
    if (hasArgument) {
      SetUpUninstallMode();
    } else {
      SetUpInstallMode();
    }
  }
  WizardStep = 0;
}

void TfrmMainForm::SetUpUninstallMode() {
  if (!toolkit::FileExists(ScriptPath)) {
    ShowMessage(
        toolkit::Widen("アンインストール情報が存在しません。アンインストール作業を中止します"));
    CloseLater();
    return;
  }
  try {
    CheckRecord();
  } catch (const std::exception& error) {
    ShowMessage(toolkit::MessageOf(error));
    CloseLater();
    return;
  }
  Label9.SetText("アンインストールを開始します。「次へ」をクリックしてください");
  UninstallMode = true;
  pnlWelCome.SetVisible(false);
  pnlDisposition.SetVisible(true);
}

// The removal reads the record from a private copy of the bytes that were
// checked, so nothing written into the install folder later can change it.
void TfrmMainForm::CheckRecord() {
  RecordPath = ScriptPath;
  const std::vector<std::uint8_t> bytes = toolkit::ReadWholeFile(RecordPath);
  recordCopy_.emplace(bytes);
  install::CheckRecord(*recordCopy_, RecordPath, bytes);
  ScriptPath = recordCopy_->Path();
}

void TfrmMainForm::SetUpInstallMode() {
  const install::SetupScript script(ScriptPath);
  CheckSystem();
  SetText(script.Read(keys::kTitle));
  lblDiskUse.SetText(script.Read(keys::kInstallSize));
  Mes1.SetText(script.Read(keys::kSoftName) + Mes1.Text());
  CheckBox1.SetChecked(script.Read(keys::kCreateDesktop));
  CheckBox1.SetVisible(CheckBox1.Checked());
  ShowLogo();
  ListGroups();
}

// An unsupported system is told so and the window closes once activation
// is over; the set-up goes on until then.
void TfrmMainForm::CheckSystem() {
  const install::SetupScript script(ScriptPath);
  if (install::IsSupportedSystem(script.Read(keys::kInstallVersion), services_.system.Class())) {
    return;
  }
  toolkit::Application& application = toolkit::Application::Current();
  application.Prompts().ShowMessage(
      Handle(),
      {script.Read(keys::kSoftName) +
           "\rは現在稼働中のOSをサポートしていません\r"
           "このOSに対応しているバージョンを使用するか配布元に動作環境を問い合わせてください"
           "\rインストール作業を中止します",
       "互換性に関する警告"});
  CloseLater();
}

// The script's picture, a name beside the program, replaces the built-in
// one; it is only ever opened for reading.
void TfrmMainForm::ShowLogo() {
  const install::SetupScript script(ScriptPath);
  imgLogo.SetStretch(!script.Read(keys::kLogoNoResize));
  imgLogo.SetCenter(!script.Read(keys::kLogoNoCenter));
  const std::string logo = script.Read(keys::kLogo);
  if (!logo.empty())
    imgLogo.SetPicture(toolkit::LoadPictureFile(SetupDir + toolkit::PathFromText(logo)));
}

void TfrmMainForm::ListGroups() {
  const install::SetupScript script(ScriptPath);
  cmbGroupName.Clear();
  cmbGroupName.Add(script.Read(keys::kGroupName));
  // Without a Programs folder there is nothing to list; an empty folder
  // would list the current drive's root.
  if (!ProgramsDir.empty()) {
    for (const toolkit::FolderEntry& entry : toolkit::ListFolder(ProgramsDir)) {
      // A group is kept as code page 932 text: a name it cannot hold is left
      // out rather than shown as another name.
      const std::optional<std::string> name = install::RecordText(entry.name);
      if (IsGroupEntry(entry) && name) cmbGroupName.Add(*name);
    }
  }
  cmbGroupName.SetItemIndex(0);
}

void TfrmMainForm::ShowMessage(const std::wstring& text) {
  toolkit::Application& application = toolkit::Application::Current();
  application.Prompts().ShowMessage(Handle(), {text, application.Title()});
}

bool TfrmMainForm::AskInformation(std::string_view text) {
  return toolkit::Application::Current().Prompts().ShowMessage(
             Handle(), {text, "情報", toolkit::MessageButtons::YesNo,
                        toolkit::MessageIcon::Information}) == toolkit::MessageAnswer::Yes;
}

// Closing is posted, so the handler that decided it ends first.
void TfrmMainForm::CloseLater() {
  ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
}
