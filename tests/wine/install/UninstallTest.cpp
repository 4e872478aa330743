// The uninstall record through the wizard's window: an installation leaves
// the system's uninstall entry, the record and the installer's copy; a
// removal started from the record takes what the record names, once.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "install/MainForm/Mainform.h"
#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/Sha256.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "install/script/SetupScript.h"
#include "tests/wine/install/RecordEntry.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/install/RegistryValues.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace {

using toolkit::Narrow;
using toolkit::Widen;

// The three passes recorded; registration and removal are the real ones.
class RecordingPasses final : public install::InstallPasses {
 public:
  void ProcessFileEntries(TfrmMainForm& form, bool removing) override {
    calls.push_back(removing ? "remove files" : "files");
    if (onFiles) onFiles(form);
  }
  void ProcessStartMenuItems(TfrmMainForm&, bool, const std::string& group) override {
    calls.push_back("shortcuts in " + group);
  }
  void ProcessRegistryEntries(TfrmMainForm&, bool) override { calls.push_back("registry"); }
  std::vector<std::string> calls;
  std::function<void(TfrmMainForm&)> onFiles;
};

const std::string kProject = "RecordTest" + std::to_string(::GetCurrentProcessId());
const std::string kEntryKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + kProject;
const std::string kSettingsKey = "Software\\" + kProject;

// A key's text values by name; none for a missing key.
std::map<std::string, std::wstring> ValuesOf(const std::string& key) {
  return install_tests::TextValuesOf(HKEY_LOCAL_MACHINE, key);
}

bool KeyExists(HKEY root, const std::string& key) {
  return install::Registry(root, KEY_READ).OpenKey(key, false);
}

void MakeKey(HKEY root, const std::string& key) {
  install::Registry(root, KEY_ALL_ACCESS).OpenKey(key, true);
}

void WriteText(const std::wstring& path, const std::string& text) {
  testing_support::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// Makes the entries in the folder, folders marked with a trailing "\".
void Make(const std::wstring& folder, const std::vector<std::wstring>& names) {
  ::CreateDirectoryW(folder.c_str(), nullptr);
  for (const std::wstring& name : names) {
    if (name.ends_with(L"\\"))
      ::CreateDirectoryW((folder + L"\\" + name).c_str(), nullptr);
    else
      WriteText(folder + L"\\" + name, "x");
  }
}

// Every entry below the folder in ordinal order, folders marked likewise.
std::vector<std::wstring> Tree(const std::wstring& folder) {
  std::vector<std::wstring> names;
  std::error_code missing;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, missing)) {
    const std::wstring name = entry.path().wstring().substr(folder.size() + 1);
    names.push_back(entry.is_directory() ? name + L"\\" : name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class UninstallTest : public testing_support::WindowTest {
 protected:
  UninstallTest() {
    for (const std::wstring& folder : {package_, app_, programs_, programs_ + group_}) {
      ::CreateDirectoryW(folder.c_str(), nullptr);
    }
    programsValue_.SetPath(programs_);
  }
  ~UninstallTest() override {
    install::Registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS).DeleteKey(kEntryKey);
    install::Registry(HKEY_CURRENT_USER, KEY_ALL_ACCESS).DeleteKey(kSettingsKey);
    if (!installerWasThere_) ::DeleteFileW(installerCopy_.c_str());
  }

  void Start(const std::wstring& program, std::vector<std::wstring> arguments = {}) {
    passes_.calls.clear();
    WizardServices services;
    services.system = {install::PlatformFamily::kNt, 6, 1};
    services.passes = &passes_;
    services.programPath = package_ + L"\\" + program;
    services.arguments = std::move(arguments);
    form_.emplace(std::move(services));
    form_->Show();
    form_->FormActivate();
    application.ProcessMessages();
  }

  // Next as the user clicks it, so errors reach the error display.
  void ClickNext() { ::SendMessageW(form_->btnNext.Handle(), BM_CLICK, 0, 0); }

  testing_support::ScratchFolder scratch_;
  std::wstring package_ = scratch_.File(L"pkg");
  std::wstring app_ = scratch_.File(L"app");
  std::wstring record_ = app_ + L"\\uninst.uis";
  std::wstring programs_ = scratch_.File(L"Programs");
  std::wstring group_ = Widen("\\メロディ");
  std::wstring installerCopy_ = install::GetWindowsDir() + L"\\Install.exe";
  bool installerWasThere_ = toolkit::FileExists(installerCopy_);
  install_tests::RegistryOverride programsValue_{
      HKEY_LOCAL_MACHINE, install_tests::kShellFoldersKey, "Common Programs"};
  RecordingPasses passes_;
  std::optional<TfrmMainForm> form_;
};

TEST_F(UninstallTest, AnInstallationLeavesEntryRecordAndInstallerCopy) {
  const struct {
    bool licence;
    const wchar_t* program;
  } cases[] = {{false, L"Install.exe"}, {true, L"INSTALL.EXE"}, {false, L"setup.exe"}};
  Make(app_, {L"Data\\", L"help\\", L"dot.dir\\", L"a.txt"});
  WriteText(package_ + L"\\Install.exe", "MZ");
  for (const auto& c : cases) {
    WriteText(package_ + L"\\uninst.uis",
              "[Install]\r\nFolder=%ABSOLUTE%\\" + Narrow(app_) +
                  "\r\nRegistStartMenu=1\r\nGroupName=メロディ\r\nProjectName=" + kProject +
                  "\r\nSoftName=メロパッド\r\nVersion=1.2\r\n[LicenseInfo]\r\nUseLicenseInfo=" +
                  (c.licence ? "1" : "0") + "\r\nHelpLink=http://h\r\nPublisher=鳥居\r\n" +
                  "[UnInstallDirectoryInfo]\r\n0=OLD\r\n1=OLD\r\n2=KEPT\r\n");
    Start(c.program);
    for (int i = 0; i < 3; ++i) ClickNext();
    if (std::wstring(c.program) == L"setup.exe") {
      EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"ファイル " + Narrow(package_) +
                                                              "\\Install.exe は開けません"});
      EXPECT_NE(form_->btnNext.Text(), "完了");
      EXPECT_EQ(toolkit::FileExists(installerCopy_), installerWasThere_);
      continue;
    }
    std::map<std::string, std::wstring> entry = {
        {"DisplayName", Widen("メロパッド")},
        {"DisplayVersion", L"1.2"},
        {"UnInstallString", install::GetWindowsDir() + L"\\install.exe \"" + record_ + L"\""},
        {"InstallLocation", app_},
        {"RecordSha256", Widen(install::Sha256Hex(testing_support::ReadBytes(record_)))}};
    if (c.licence) {
      entry.insert({{"HelpLink", L"http://h"},
                    {"HelpTelephon", L""},
                    {"URLInfoAbout", L""},
                    {"URLUpdateInfo", L""},
                    {"Publisher", Widen("鳥居")}});
    }
    EXPECT_EQ(ValuesOf(kEntryKey), entry) << c.licence;
    const install::SetupScript record(record_);
    EXPECT_EQ(record.ReadString("UnInstall", "InstalledFolder"), Narrow(app_));
    EXPECT_EQ(record.ReadString("UnInstall", "InstalledGroup"), "メロディ");
    std::vector<std::string> names;
    for (const char* key : {"0", "1", "2"}) {
      names.push_back(record.ReadString("UnInstallDirectoryInfo", key));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"DATA", "HELP", "KEPT"}));
    EXPECT_EQ(form_->InstalledFiles, std::vector<std::wstring>{record_});
    EXPECT_TRUE(toolkit::FileExists(installerCopy_));
    EXPECT_EQ(form_->btnNext.Text(), "完了");
    ::DeleteFileW(record_.c_str());
    install::Registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS).DeleteKey(kEntryKey);
    if (!installerWasThere_) ::DeleteFileW(installerCopy_.c_str());
  }
}

// A record that cannot be written (here an older one that may not be
// replaced) stops the registration before the entry: no entry points at a
// record that is not there.
TEST_F(UninstallTest, ARecordThatCannotBeWrittenLeavesNoEntry) {
  Make(app_, {});
  WriteText(record_, "[Install]\r\n");
  testing_support::SetReadOnly(record_, true);
  WriteText(package_ + L"\\uninst.uis", "[Install]\r\nFolder=%ABSOLUTE%\\" + Narrow(app_) +
                                            "\r\nProjectName=" + kProject + "\r\n");
  WriteText(package_ + L"\\Install.exe", "MZ");
  Start(L"Install.exe");
  ClickNext();
  ClickNext();
  testing_support::SetReadOnly(record_, false);
  EXPECT_EQ(prompter.Messages(),
            std::vector<std::string>{"ファイル " + Narrow(record_) + " を作成できません"});
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
  EXPECT_NE(form_->btnNext.Text(), "完了");
}

TEST_F(UninstallTest, TheRecordDecidesWhatTheRemovalTakesOnce) {
  const struct {
    std::string options;
    std::vector<std::wstring> made;  // folders end in "\"
    std::vector<std::wstring> left;  // none: the install folder is gone
    bool deleteFailed;
  } cases[] = {
      {"DeleteAllFile=1\r\n", {L"Data\\", L"Data\\x.dat", L"HELP", L"a.txt"}, {}, false},
      {"DeleteAllFile=1\r\nReadyFolder=1\r\n", {L"Data\\", L"a.txt"}, {L"Data\\", L"a.txt"}, true},
      // A folder there before the installation goes once the record, the
      // last thing in it, has gone.
      {"DeleteAllFile=1\r\nReadyFolder=1\r\n", {}, {}, false},
      {"", {}, {}, false},
      {"DeleteAllFile=1\r\n", {L"Data\\", L"Later\\"}, {L"Data\\", L"Later\\"}, false},
      {"DeleteAllFile=1\r\nDeleteNoExtFile=1\r\n",
       {L"Data\\", L"Data\\x.dat", L"Data\\game.SAV"},
       {L"Data\\", L"Data\\game.SAV"},
       false},
  };
  for (const auto& c : cases) {
    Make(app_, c.made);
    WriteText(record_, "[Install]\r\nProjectName=" + kProject +
                           "\r\nRegistStartMenu=1\r\nRegistry=1\r\n[Count]\r\nStartMenuCount=1\r\n"
                           "RegistryCount=1\r\nFileCount=2\r\nDeleteKey=1\r\n[DeleteKey]\r\n0=2|" +
                           kSettingsKey + "\r\n[FileExnted]\r\n0=.sav\r\n[UnInstall]\r\n" +
                           "InstalledFolder=" + Narrow(app_) + "\r\nInstalledGroup=メロディ\r\n" +
                           "[UnInstallDirectoryInfo]\r\n0=DATA\r\n1=HELP\r\n[UnInstallOption]\r\n" +
                           "Registry=1\r\n" + c.options);
    install_tests::RegisterRecord(kProject, record_);
    MakeKey(HKEY_CURRENT_USER, kSettingsKey + "\\Inner");
    ::CreateDirectoryW((programs_ + group_).c_str(), nullptr);
    Start(L"Install.exe", {record_});
    passes_.onFiles = [&, clicked = false](TfrmMainForm& form) mutable {
      form.DeleteFailed = c.deleteFailed;
      if (!std::exchange(clicked, true)) ClickNext();  // arrives while the removal runs
    };
    ClickNext();
    EXPECT_EQ(passes_.calls,
              (std::vector<std::string>{"remove files", "shortcuts in メロディ", "registry"}));
    EXPECT_EQ(Tree(app_), c.left) << c.options;
    EXPECT_EQ(toolkit::FolderExists(app_), !c.left.empty()) << c.options;
    EXPECT_FALSE(toolkit::FileExists(record_));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kEntryKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_FALSE(toolkit::FolderExists(programs_ + group_));
    EXPECT_EQ(form_->PrgAll.Max(), 5);
    EXPECT_EQ(form_->Label9.Text(),
              "アンインストールが終了しました。完了ボタンをクリックしてください");
    EXPECT_EQ(form_->lblinstallFolder.Visible(), c.deleteFailed);
    if (c.deleteFailed) {
      EXPECT_EQ(form_->lblinstallFolder.Text(), "※一部のファイル(フォルダ)は削除できませんでした");
    }
    EXPECT_FALSE(form_->statProgress.Visible() || form_->PrgAll.Visible());
    EXPECT_EQ(form_->btnNext.Text(), "完了");
    ClickNext();
    EXPECT_FALSE(form_->Visible());
    std::filesystem::remove_all(app_);
  }
}

}  // namespace
