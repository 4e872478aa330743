// The installer's wizard driven through its pages with scripted answers: a
// package folder holds the script, the wizard is activated as the program
// would be, and Next, Back and Cancel are pressed in turn.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "install/MainForm/Mainform.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "install/script/SetupScript.h"
#include "tests/wine/install/RecordEntry.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

using install::PlatformFamily;
using testing_support::ScratchFolder;
using toolkit::MessageAnswer;

// The passes of the install step, recorded instead of carried out.
class RecordingPasses final : public install::InstallPasses {
 public:
  void ProcessFileEntries(TfrmMainForm&, bool removing) override {
    calls.push_back(removing ? "remove files" : "files");
  }
  void ProcessStartMenuItems(TfrmMainForm&, bool, const std::string& group) override {
    calls.push_back("shortcuts in " + group);
  }
  void ProcessRegistryEntries(TfrmMainForm&, bool) override { calls.push_back("registry"); }
  void RegisterUninstall(TfrmMainForm&) override { calls.push_back("uninstall entry"); }
  void Uninstall(TfrmMainForm&) override { calls.push_back("uninstall"); }
  std::vector<std::string> calls;
};

int endedWith = -1;
void RecordEnd(int exitCode) {
  endedWith = exitCode;
}

class WizardTest : public testing_support::WindowTest {
 protected:
  WizardTest() {
    endedWith = -1;
    ::CreateDirectoryW(package_.c_str(), nullptr);
    ::CreateDirectoryW(programs_.c_str(), nullptr);
    programsValue_.SetPath(programs_);
  }

  // Writes the script beside the program: "[Install]" and the lines given.
  void WriteScript(const std::string& installLines, const std::string& more = "") {
    const std::string text = "[Install]\r\n" + installLines + more;
    testing_support::WriteBytes(package_ + L"\\uninst.uis",
                                std::vector<std::uint8_t>(text.begin(), text.end()));
  }

  // Makes the window and activates it as the program does.
  TfrmMainForm& Start(std::vector<std::wstring> arguments = {},
                      install::RunningSystem system = {PlatformFamily::kNt, 6, 1}) {
    WizardServices services;
    services.system = system;
    services.passes = &passes_;
    services.programPath = package_ + L"\\Install.exe";
    services.arguments = std::move(arguments);
    services.endProgram = RecordEnd;
    form_.emplace(std::move(services));
    form_->Show();
    form_->FormActivate();
    application.ProcessMessages();
    return *form_;
  }

  // The page on top, by its panel's name.
  std::string Page() const {
    const std::pair<const toolkit::Panel*, const char*> pages[] = {
        {&form_->pnlWelCome, "welcome"},
        {&form_->pnlReadMe, "read-me"},
        {&form_->pnlConfirmation, "folder"},
        {&form_->pnlShortCut, "shortcuts"},
        {&form_->pnlDisposition, "progress"}};
    std::string visible;
    for (const auto& [panel, name] : pages) {
      if (panel->Visible()) visible += visible.empty() ? name : std::string("+") + name;
    }
    return form_->Visible() ? visible : "closed";
  }

  ScratchFolder scratch_;
  std::wstring package_ = scratch_.File(L"pkg");
  std::wstring programs_ = scratch_.File(L"Programs");
  install_tests::RegistryOverride programsValue_{
      HKEY_LOCAL_MACHINE, install_tests::kShellFoldersKey, "Common Programs"};
  RecordingPasses passes_;
  std::optional<TfrmMainForm> form_;
};

TEST_F(WizardTest, PagesFollowNextAndBackAsTheScriptSays) {
  struct Case {
    const char* what;
    std::string script;
    std::vector<std::pair<char, std::string>> steps;  // N next, B back, and the page after it
  };
  const std::string readMe = "ShowReadMe=1\r\nReadMe=readme.txt\r\n";
  const std::string folder =
      "Folder=%ABSOLUTE%\\" + toolkit::Narrow(scratch_.File(L"target")) + "\r\n";
  const Case cases[] = {
      {"no read-me, no shortcuts",
       folder,
       {{'N', "folder"}, {'B', "welcome"}, {'N', "folder"}, {'N', "progress"}}},
      {"read-me and shortcuts",
       readMe + folder + "RegistStartMenu=1\r\n",
       {{'N', "read-me"},
        {'B', "welcome"},
        {'N', "read-me"},
        {'N', "folder"},
        {'B', "read-me"},
        {'N', "folder"},
        {'N', "shortcuts"},
        {'B', "folder"},
        {'N', "shortcuts"},
        {'N', "progress"}}},
      {"read-me file missing",
       "ShowReadMe=1\r\nReadMe=gone.txt\r\n" + folder,
       {{'N', "folder"}, {'B', "read-me"}, {'B', "welcome"}}},
  };
  for (const Case& c : cases) {
    WriteScript(c.script);
    testing_support::WriteBytes(package_ + L"\\readme.txt", {'R', 'e', 'a', 'd', '\r', '\n'});
    ::CreateDirectoryW(scratch_.File(L"target").c_str(), nullptr);
    TfrmMainForm& form = Start();
    ASSERT_EQ(Page(), "welcome") << c.what;
    for (const auto& [button, page] : c.steps) {
      if (button == 'N') form.btnNextClick();
      if (button == 'B') form.btnRetryClick();
      EXPECT_EQ(Page(), page) << c.what << ", after " << button;
    }
    if (Page() == "progress") {
      EXPECT_EQ(form.btnNext.Text(), "完了") << c.what;
      EXPECT_FALSE(form.btnCancel.Enabled()) << c.what;
    }
    form_.reset();
  }
}

TEST_F(WizardTest, ALicenceAsksForAgreementAndTheCaptionsComeBack) {
  WriteScript("SoftName=メロパッド\r\nShowReadMe=1\r\nReadMe=license.txt\r\nReadMeIsLicense=1\r\n");
  testing_support::WriteBytes(package_ + L"\\license.txt", {'O', 'K', '?'});
  TfrmMainForm& form = Start();
  EXPECT_EQ(form.Mes1.Text().substr(0, 10), "メロパッド");
  form.btnNextClick();
  EXPECT_EQ(form.btnNext.Text(), "同意する");
  EXPECT_EQ(form.btnCancel.Text(), "同意しない");
  EXPECT_TRUE(form.lblLicense.Visible());
  EXPECT_EQ(form.mmReadMe.Text(), "OK?");
  // Declining is the Cancel question; No stays.
  prompter.WillAnswer(MessageAnswer::No);
  form.btnCancelClick();
  EXPECT_EQ(Page(), "read-me");
  form.btnRetryClick();
  EXPECT_EQ(Page(), "welcome");
  EXPECT_EQ(form.btnNext.Text(), "次へ(&N)");
  form.btnNextClick();
  EXPECT_EQ(form.btnNext.Text(), "同意する");
  form.btnNextClick();
  EXPECT_EQ(form.btnNext.Text(), "次へ(&N)");
  EXPECT_EQ(form.btnCancel.Text(), "キャンセル");
  form.btnRetryClick();
  EXPECT_EQ(form.btnNext.Text(), "次へ(&N)");
  prompter.WillAnswer(MessageAnswer::Yes);
  form.btnCancelClick();
  EXPECT_EQ(Page(), "closed");
  EXPECT_EQ(prompter.Messages(),
            (std::vector<std::string>(2, "作業が完了していませんが中断しますか。")));
  EXPECT_EQ(prompter.Asked()[0].message.caption, "情報");
}

// Keys act only through what can be used: Enter with Next greyed and Esc
// with Cancel greyed do nothing, Esc from the read-me text asks to cancel,
// and the folder label's Alt+F gives the keyboard to the folder field.
TEST_F(WizardTest, KeysActOnlyThroughButtonsThatCanBeClicked) {
  const std::wstring target = scratch_.File(L"target");
  ::CreateDirectoryW(target.c_str(), nullptr);
  WriteScript("ShowReadMe=1\r\nReadMe=readme.txt\r\nFolder=%SearchFileDir%\\none-" +
              std::to_string(::GetCurrentProcessId()) + ".exe\r\nNonHitFolder=%ABSOLUTE%\\" +
              toolkit::Narrow(target) + "\r\n");
  testing_support::WriteBytes(package_ + L"\\readme.txt", {'R'});
  TfrmMainForm& form = Start();
  const auto press = [&](UINT message, WPARAM key) {
    MSG typed{::GetFocus(), message, key, message == WM_SYSCHAR ? (1 << 29) | 1 : 1};
    if (!form.PreTranslateMessage(typed)) ::DispatchMessageW(&typed);
  };
  const std::string cancel = "作業が完了していませんが中断しますか。";
  form.btnNextClick();
  ::SetFocus(form.mmReadMe.Handle());
  prompter.WillAnswer(MessageAnswer::No);
  press(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{cancel});
  // Enter while the search for an old version keeps Next greyed.
  ::PostMessageW(form.edtFolderInput.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  form.btnNextClick();
  EXPECT_EQ(Page(), "folder");
  ::SetFocus(form.btnNext.Handle());
  press(WM_SYSCHAR, 'f');
  EXPECT_EQ(::GetFocus(), form.edtFolderInput.Handle());
  form.edtFolderInput.SetWideText(L"");
  press(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Page(), "folder");
  form.edtFolderInput.SetWideText(target);
  press(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Page(), "progress");
  EXPECT_FALSE(form.btnCancel.Enabled());
  press(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(Page(), "progress");
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{cancel});
  EXPECT_EQ(passes_.calls, std::vector<std::string>{"files"});
}

// Refused when Next leaves the folder page, with nothing written or made:
// a folder no record could hold or no removal could take, and a script that
// cannot be written, which keeps the page up.
TEST_F(WizardTest, TheFolderPageRefusesWhatARemovalCouldNotTakeAgain) {
  const std::wstring foreign = scratch_.File(L"Caf\u00e9\u20ac" + toolkit::Widen("アプリ"));
  const std::wstring longer =
      scratch_.File(std::wstring(120, L'x') + L"\\" + std::wstring(120, L'y'));
  const struct {
    std::wstring folder;
    std::string what;
  } cases[] = {
      {L"relapp",
       "ドライブから始まるフォルダではありません。「C:\\Program Files\\…」のようにドライブから"
       "指定してください"},
      {L"C:\\", "ドライブのルートです。その下のフォルダを指定してください"},
      {foreign,
       "シフト JIS で表せない文字を含んでいます。シフト JIS で表せる名前のフォルダを指定して"
       "ください"},
      {longer, "長すぎます。半角 248 文字(全角はその半分)以内のフォルダを指定してください"},
      {install::GetWindowsDir(),
       "システムのフォルダです。その下にアプリケーション用のフォルダを指定してください"},
  };
  WriteScript("");
  for (const auto& c : cases) {
    TfrmMainForm& form = Start();
    form.btnNextClick();
    form.edtFolderInput.SetWideText(c.folder);
    ::SendMessageW(form.btnNext.Handle(), BM_CLICK, 0, 0);
    ASSERT_FALSE(prompter.Asked().empty());
    EXPECT_EQ(prompter.Asked().back().message.text,
              L"インストール先フォルダ「" + c.folder + L"」は" + toolkit::Widen(c.what));
    EXPECT_EQ(Page(), "folder") << toolkit::Narrow(c.folder);
    form_.reset();
  }
  EXPECT_FALSE(toolkit::FolderExists(foreign) || toolkit::FolderExists(longer));
  // Held open by another program, the script cannot be written.
  TfrmMainForm& form = Start();
  form.btnNextClick();
  form.edtFolderInput.SetWideText(scratch_.File(L"new"));
  prompter.WillAnswer(MessageAnswer::Yes);
  toolkit::UniqueFile held(::CreateFileW((package_ + L"\\uninst.uis").c_str(), GENERIC_READ, 0,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
  ::SendMessageW(form.btnNext.Handle(), BM_CLICK, 0, 0);
  held.Reset();
  EXPECT_EQ(prompter.Asked().back().message.text,
            package_ + toolkit::Widen("\\uninst.uis に書き込めません"));
  EXPECT_EQ(Page(), "folder");
  EXPECT_TRUE(passes_.calls.empty());
  EXPECT_EQ(
      install::SetupScript(package_ + L"\\uninst.uis").ReadString("UnInstallOption", "ReadyFolder"),
      "");
}

TEST_F(WizardTest, AMissingFolderIsCreatedOnlyWhenTheUserAgrees) {
  for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
    WriteScript("Folder=%ABSOLUTE%\\" + toolkit::Narrow(scratch_.File(L"new")) + "\r\n");
    TfrmMainForm& form = Start();
    form.btnNextClick();  // the folder page
    prompter.WillAnswer(answer);
    form.btnNextClick();
    const install::SetupScript script(package_ + L"\\uninst.uis");
    if (answer == MessageAnswer::Yes) {
      EXPECT_EQ(Page(), "progress");
      EXPECT_EQ(endedWith, -1);
      EXPECT_EQ(script.ReadString("UnInstallOption", "ReadyFolder"), "0");
    } else {
      EXPECT_EQ(endedWith, 0);
      EXPECT_EQ(prompter.Messages().back(),
                "インストールを中断します。「OK」をクリックしてください");
      EXPECT_EQ(script.ReadString("UnInstallOption", "ReadyFolder"), "");
    }
    form_.reset();
  }
  EXPECT_FALSE(toolkit::FolderExists(scratch_.File(L"new")));
}

TEST_F(WizardTest, TheInstallStepRunsThePassesTheScriptAsksFor) {
  ::CreateDirectoryW(scratch_.File(L"app").c_str(), nullptr);
  WriteScript(
      "Folder=%ABSOLUTE%\\" + toolkit::Narrow(scratch_.File(L"app")) +
          "\\\r\nRegistStartMenu=1\r\nRegistry=1\r\nProjectName=Melopad\r\nGroupName=メロディ\r\n",
      "[Count]\r\nStartMenuCount=2\r\nRegistryCount=1\r\nFileCount=3\r\n"
      "[File]\r\nmelopad.exe=\r\nreadme.txt=\r\n");
  testing_support::WriteBytes(package_ + L"\\melopad.exe", {'M', 'Z'});
  testing_support::WriteBytes(package_ + L"\\readme.txt", {'r'});
  TfrmMainForm& form = Start();
  for (int i = 0; i < 3; ++i) form.btnNextClick();
  EXPECT_EQ(passes_.calls, (std::vector<std::string>{"files", "shortcuts in メロディ", "registry",
                                                     "uninstall entry"}));
  EXPECT_EQ(form.InstallDir, scratch_.File(L"app"));
  EXPECT_EQ(form.PrgAll.Max(), 6);
  EXPECT_EQ(
      form.Label9.Text(),
      "インストールが完了しました。完了ボタンをクリックしてください\r\r"
      "アプリケーションを削除する場合は「コントロールパネル」の「アプリケーションの追加と削除」"
      "から行ってください。");
  const install::SetupScript script(package_ + L"\\uninst.uis");
  EXPECT_EQ(script.ReadString("UnInstallOption", "ReadyFolder"), "1");

  form.btnNextClick();  // finish: the package's files and the script go
  EXPECT_EQ(Page(), "closed");
  EXPECT_FALSE(toolkit::FileExists(package_ + L"\\melopad.exe"));
  EXPECT_FALSE(toolkit::FileExists(package_ + L"\\readme.txt"));
  EXPECT_FALSE(toolkit::FileExists(package_ + L"\\uninst.uis"));
}

// A package unpacked into its final folder: what the finish step would
// delete is what was installed, so it stays.
TEST_F(WizardTest, FinishingInThePackageFolderItselfDeletesNothingInstalled) {
  WriteScript("Folder=%ABSOLUTE%\\" + toolkit::Narrow(package_) + "\r\n",
              "[File]\r\nmelopad.exe=\r\n");
  testing_support::WriteBytes(package_ + L"\\melopad.exe", {'M', 'Z'});
  TfrmMainForm& form = Start();
  for (int i = 0; i < 3; ++i) form.btnNextClick();
  EXPECT_EQ(Page(), "closed");
  EXPECT_TRUE(toolkit::FileExists(package_ + L"\\melopad.exe"));
  EXPECT_TRUE(toolkit::FileExists(package_ + L"\\uninst.uis"));
}

TEST_F(WizardTest, InstallVersionDecidesOnBothFamilies) {
  const struct {
    int installVersion;
    install::RunningSystem system;
    bool supported;
  } cases[] = {
      {2, {PlatformFamily::kNt, 6, 1}, false}, {2, {PlatformFamily::k9x, 4, 10}, false},
      {27, {PlatformFamily::kNt, 6, 1}, true}, {27, {PlatformFamily::k9x, 4, 90}, true},
      {27, {PlatformFamily::k9x, 4, 5}, true}, {1, {PlatformFamily::kNt, 4, 0}, true},
      {1, {PlatformFamily::kNt, 5, 0}, false}, {16, {PlatformFamily::k9x, 4, 0}, true},
  };
  for (const auto& c : cases) {
    WriteScript("SoftName=Melopad\r\nInstallVersion=" + std::to_string(c.installVersion) + "\r\n");
    Start({}, c.system);
    if (c.supported) {
      EXPECT_TRUE(prompter.Messages().empty()) << c.installVersion;
      EXPECT_EQ(Page(), "welcome") << c.installVersion;
    } else {
      ASSERT_EQ(prompter.Messages().size(), 1u) << c.installVersion;
      EXPECT_EQ(prompter.Messages()[0],
                "Melopad\rは現在稼働中のOSをサポートしていません\r"
                "このOSに対応しているバージョンを使用するか配布元に動作環境を問い合わせてください"
                "\rインストール作業を中止します");
      EXPECT_EQ(prompter.Asked()[0].message.caption, "互換性に関する警告");
      EXPECT_EQ(Page(), "closed") << c.installVersion;
    }
    form_.reset();
    prompter = testing_support::ScriptedPrompter();
  }
}

TEST_F(WizardTest, TheScriptSetsCaptionSizeDesktopBoxAndGroups) {
  WriteScript(
      "Title=メロパッド セットアップ\r\nInstallSize=2 MB\r\nCreateDesktop=1\r\n"
      "GroupName=Melopad\r\n");
  ::CreateDirectoryW((programs_ + L"\\Melopad").c_str(), nullptr);
  ::CreateDirectoryW((programs_ + L"\\Tools").c_str(), nullptr);
  ::CreateDirectoryW((programs_ + L"\\Old.Group").c_str(), nullptr);
  testing_support::WriteBytes(programs_ + L"\\notes.txt", {'x'});
  testing_support::WriteBytes(programs_ + L"\\NoExt", {'x'});
  ::CreateDirectoryW((programs_ + L"\\Caf\u00e9").c_str(), nullptr);  // no Shift-JIS name
  TfrmMainForm& form = Start();
  EXPECT_EQ(form.Text(), "メロパッド セットアップ");
  EXPECT_EQ(form.lblDiskUse.Text(), "2 MB");
  EXPECT_TRUE(form.CheckBox1.Checked());
  std::vector<std::string> groups;
  for (int i = 0; i < form.cmbGroupName.Count(); ++i) groups.push_back(form.cmbGroupName.Item(i));
  EXPECT_EQ(groups, (std::vector<std::string>{"Melopad", "Melopad", "NoExt", "Tools"}));
  EXPECT_EQ(form.cmbGroupName.Text(), "Melopad");
}

TEST_F(WizardTest, ALogoThatCannotBeShownIsReportedAndTheGroupsAreLeftOut) {
  const struct {
    const char* logo;
    std::wstring message;
  } cases[] = {
      {"logo.gif", toolkit::Widen("拡張子 .gif の画像形式は処理できません")},
      {"gone.bmp", L"ファイル " + package_ + L"\\gone.bmp は開けません"},
  };
  for (const auto& c : cases) {
    WriteScript(std::string("Logo=") + c.logo + "\r\nGroupName=Melopad\r\n");
    WizardServices services;
    services.passes = &passes_;
    services.programPath = package_ + L"\\Install.exe";
    form_.emplace(std::move(services));
    EXPECT_EQ(testing_support::WideErrorMessageOf([&] { form_->FormActivate(); }), c.message);
    EXPECT_EQ(form_->cmbGroupName.Count(), 0) << c.logo;
    form_.reset();
  }
}

TEST_F(WizardTest, UninstallModeNeedsItsRecord) {
  WriteScript("");
  // Below the scratch folder, which holds the tests' shell folders.
  const std::wstring folder = scratch_.File(L"app");
  ::CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring record = folder + L"\\uninst.uis";
  const std::string project = "WizardTest" + std::to_string(::GetCurrentProcessId());
  const std::string text = "[Install]\r\nProjectName=" + project +
                           "\r\n[UnInstall]\r\nInstalledFolder=" + toolkit::Narrow(folder);
  testing_support::WriteBytes(record, std::vector<std::uint8_t>(text.begin(), text.end()));
  install_tests::RegisterRecord(project, record);
  TfrmMainForm& form = Start({record});
  EXPECT_TRUE(form.UninstallMode);
  EXPECT_EQ(Page(), "progress");
  EXPECT_EQ(form.Label9.Text(), "アンインストールを開始します。「次へ」をクリックしてください");
  form.btnNextClick();
  EXPECT_EQ(passes_.calls, std::vector<std::string>{"uninstall"});
  EXPECT_EQ(form.btnNext.Text(), "完了");
  form.btnNextClick();
  EXPECT_EQ(Page(), "closed");
  form_.reset();
  install::Registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS)
      .DeleteKey(std::string(install::kUninstallEntriesKey) + "\\" + project);

  Start({scratch_.File(L"gone.uis")});
  EXPECT_EQ(prompter.Messages(),
            std::vector<std::string>{
                "アンインストール情報が存在しません。アンインストール作業を中止します"});
  PumpUntil([&] { return Page() == "closed"; });
  EXPECT_EQ(Page(), "closed");
}

TEST_F(WizardTest, WithoutScriptOrRecordTheProgramTellsWhatItIs) {
  Start();
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_TRUE(prompter.Messages()[0].starts_with(
      "Birchgate　Ver.1.25.30\rアンインストーラプログラムです。\r削除するとBirchgate"))
      << prompter.Messages()[0];
  PumpUntil([&] { return Page() == "closed"; });
  EXPECT_EQ(Page(), "closed");
}

TEST_F(WizardTest, AnOldVersionFoundProposesItsFolderElseTheNewOne) {
  install_tests::RegistryOverride programFiles(
      HKEY_LOCAL_MACHINE, install_tests::kCurrentVersionKey, "ProgramFilesDir");
  programFiles.SetPath(scratch_.Path());
  const std::string name = "wizard-old-" + std::to_string(::GetCurrentProcessId()) + ".exe";
  ::CreateDirectoryW(scratch_.File(L"Maker").c_str(), nullptr);
  for (const bool found : {true, false}) {
    if (found) testing_support::WriteBytes(scratch_.File(L"Maker\\" + toolkit::Widen(name)), {'M'});
    WriteScript("Folder=%SearchFileDir%\\" + (found ? name : "other-" + name) +
                "\r\nNonHitFolder=%ABSOLUTE%\\C:\\Program Files\\Melopad\r\n");
    TfrmMainForm& form = Start();
    form.btnNextClick();
    EXPECT_EQ(form.edtFolderInput.WideText(),
              found ? scratch_.File(L"MAKER") : L"C:\\Program Files\\Melopad");
    EXPECT_EQ(form.stSearchFile.Visible(), !found);
    if (!found) {
      EXPECT_EQ(form.stSearchFile.Text(), "新規インストールです");
    }
    EXPECT_TRUE(form.btnNext.Enabled() && form.edtFolderInput.Enabled());
    form.edtFolderInput.SetText("");
    EXPECT_FALSE(form.btnNext.Enabled());
    form_.reset();
    ::DeleteFileW(scratch_.File(L"Maker\\" + toolkit::Widen(name)).c_str());
  }
}

}  // namespace
