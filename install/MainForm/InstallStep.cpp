// The install step, which runs the passes with the progress page up, and
// the finish step, which clears the package's files away.
#include <windows.h>

#include <algorithm>

#include "install/MainForm/Mainform.h"
#include "install/MainForm/PassProgress.h"
#include "install/MainForm/RecordedNames.h"
#include "install/MainForm/ScriptChecks.h"
#include "install/QvSystemAPI/Files.h"
#include "install/script/ScriptKeys.h"
#include "install/script/SetupScript.h"
#include "install/text/Paths.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace keys = install::install_keys;
namespace counts = install::count_keys;

namespace {

constexpr char kFinished[] = "インストールが完了しました。完了ボタンをクリックしてください";

}  // namespace

// The folder is made only when the first file is copied into it; here the
// script only notes whether it was there before.
bool TfrmMainForm::ConfirmInstallFolder() {
  const install::SetupScript script(ScriptPath);
  if (toolkit::FolderExists(edtFolderInput.WideText())) {
    script.Write(install::uninstall_option_keys::kReadyFolder, true);
    return true;
  }
  if (!AskInformation("指定されたフォルダが存在しません。作成しますか")) {
    ShowMessage(toolkit::Widen("インストールを中断します。「OK」をクリックしてください"));
    services_.endProgram(0);
    return false;
  }
  script.Write(install::uninstall_option_keys::kReadyFolder, false);
  return true;
}

// A script whose names would reach outside their folders or keys is refused
// before anything is created.
void TfrmMainForm::Install() {
  const install::SetupScript script(ScriptPath);
  const bool registered = script.Read(keys::kUnInstall) && !script.Read(keys::kProjectName).empty();
  install::CheckScriptNames(script, ScriptPath, registered);
  if (!ConfirmInstallFolder()) return;
  WizardStep = 4;
  PrgAll.SetRange(0, install::ProgressTotal({script.Read(counts::kStartMenuCount),
                                             script.Read(counts::kRegistryCount),
                                             script.Read(counts::kFileCount)}));
  PrgAll.SetPosition(0);
  InstallDir = install::ExcludeTrailingBackslash(edtFolderInput.WideText());
  btnRetry.SetVisible(false);
  btnNext.SetEnabled(false);
  // Until here the page the wizard came from stays up, so a refused write
  // of the script leaves it on that page.
  pnlConfirmation.SetVisible(false);
  pnlShortCut.SetVisible(false);
  pnlDisposition.SetVisible(true);
  ::UpdateWindow(Handle());

  services_.passes->ProcessFileEntries(*this, false);
  lblinstallFolder.SetVisible(false);
  if (script.Read(keys::kRegistStartMenu) && script.Read(counts::kStartMenuCount) != 0) {
    statProgress.SetText("スタートメニューの設定をしています");
    services_.passes->ProcessStartMenuItems(*this, false,
                                            install::ExcludeTrailingBackslash(cmbGroupName.Text()));
  }
  if (script.Read(keys::kRegistry) && script.Read(counts::kRegistryCount) != 0) {
    statProgress.SetText("レジストリ値を書き込んでいます");
    services_.passes->ProcessRegistryEntries(*this, false);
  }
  if (registered) {
    statProgress.SetText("アンインストール情報を書き込んでいます");
    services_.passes->RegisterUninstall(*this);
  }
  Label9.SetText(registered ? std::string(kFinished) +
                                  "\r\rアプリケーションを削除する場合は「コントロールパネル」の「"
                                  "アプリケーションの追加と削除」から行ってください。"
                            : std::string(kFinished));
  statProgress.SetVisible(false);
  PrgAll.SetVisible(false);
  btnNext.SetEnabled(true);
  btnCancel.SetEnabled(false);
  btnNext.SetText("完了");
}

void TfrmMainForm::Finish() {
  const install::SetupScript script(ScriptPath);
  if (script.Read(keys::kPackegeMethod) != 2) DeleteSourceFiles();
  Close();
}

// A package unpacked into the install folder itself has its source files
// and script where the installed files and the uninstall record are: those
// are never deleted, only the others. Every deletion goes through the
// installer's gate for deleted paths.
void TfrmMainForm::DeleteSourceFiles() {
  const std::wstring installFolder = install::IncludeTrailingBackslash(InstallDir);
  const auto isInstalled = [&](const std::wstring& source) {
    return toolkit::IsSameFile(source, installFolder + install::kUninstallRecordName) ||
           toolkit::IsSameFile(source, installFolder + install::ExtractFileName(source)) ||
           std::any_of(InstalledFiles.begin(), InstalledFiles.end(),
                       [&](const std::wstring& installed) {
                         return toolkit::IsSameFile(source, installed);
                       });
  };
  const install::SetupScript script(ScriptPath);
  for (const std::string& key : script.ReadSectionKeys(install::kFileSection)) {
    const std::wstring source = SetupDir + install::ExtractFileName(toolkit::PathFromText(key));
    if (!isInstalled(source)) install::DeleteFileAt(source);
  }
  if (!isInstalled(ScriptPath)) install::DeleteFileAt(ScriptPath);
}
