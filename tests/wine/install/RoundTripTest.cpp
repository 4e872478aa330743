// An installation and its removal through the wizard's window with the real
// passes: everything the installation touches (the scratch tree of package,
// install folder and shell folders, and the registry keys involved) is
// listed before and after, and the two listings differ only by what the
// removal keeps on purpose.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "install/MainForm/Mainform.h"
#include "install/QvRegAPI/Registry.h"
#include "install/QvRegAPI/SharedFiles.h"
#include "install/QvSystemAPI/Sha256.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "install/script/SetupScript.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/install/RegistryValues.h"
#include "tests/wine/install/StampFiles.h"
#include "tests/wine/install/SystemListing.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Com.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

using install_tests::RegistryOverride;
using install_tests::WriteStamp;
using toolkit::Narrow;
using toolkit::Widen;
using Bytes = std::vector<std::uint8_t>;
using install_tests::Differences;
using install_tests::ListFiles;
using install_tests::Listing;
using install_tests::ListKey;
using install_tests::ValueText;

const std::string kProject = "RoundTrip" + std::to_string(::GetCurrentProcessId());
const std::string kEntryKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + kProject;
const std::string kSettingsKey = "Software\\" + kProject;
const char* const kShellFolders[] = {"Common Desktop", "Common Programs", "Common Startup",
                                     "Common Start Menu"};

void WriteText(const std::wstring& path, const std::string& text) {
  testing_support::WriteBytes(path, Bytes(text.begin(), text.end()));
}

// A file's last write time.
ULONGLONG LastWritten(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return (ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

// The text values of the uninstall entry by name.
std::map<std::string, std::wstring> EntryValues() {
  return install_tests::TextValuesOf(HKEY_LOCAL_MACHINE, kEntryKey);
}

class RoundTripTest : public testing_support::WindowTest {
 protected:
  RoundTripTest() {
    for (const std::wstring& folder : {package_, app_}) {
      ::CreateDirectoryW(folder.c_str(), nullptr);
    }
    for (const char* name : kShellFolders) {
      shellFolders_.push_back(std::make_unique<RegistryOverride>(
          HKEY_LOCAL_MACHINE, install_tests::kShellFoldersKey, name));
      shellFolders_.back()->SetPath(scratch_.File(Widen(name)));
      ::CreateDirectoryW(scratch_.File(Widen(name)).c_str(), nullptr);
    }
  }
  ~RoundTripTest() override {
    form_.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kSettingsKey).c_str());
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, Widen(kEntryKey).c_str());
    if (!installerWasThere_) ::DeleteFileW(installerCopy_.c_str());
  }

  // The wizard on its welcome page, started as the given program.
  TfrmMainForm& Start(const std::wstring& program, std::vector<std::wstring> arguments = {}) {
    WizardServices services;
    services.system = {install::PlatformFamily::kNt, 6, 1};
    services.passes = &passes_;
    services.programPath = program;
    services.arguments = std::move(arguments);
    form_.emplace(std::move(services));
    form_->Show();
    form_->FormActivate();
    application.ProcessMessages();
    return *form_;
  }

  // Next as the user clicks it, so errors reach the error display.
  void ClickNext() { ::SendMessageW(form_->btnNext.Handle(), BM_CLICK, 0, 0); }

  // What the installation may touch.
  Listing Snapshot() const {
    Listing listing;
    ListFiles(scratch_.Path(), listing);
    ListKey(HKEY_CURRENT_USER, Widen(kSettingsKey), listing);
    ListKey(HKEY_LOCAL_MACHINE, Widen(install_tests::kShellFoldersKey), listing);
    ListKey(HKEY_LOCAL_MACHINE, Widen(kEntryKey), listing);
    ListKey(HKEY_LOCAL_MACHINE, install::kSharedFilesKey, listing);
    return listing;
  }

  toolkit::ComInitialization com_;
  testing_support::ScratchFolder scratch_;
  std::wstring package_ = scratch_.File(L"pkg");
  std::wstring app_ = scratch_.File(L"app");
  std::wstring installerCopy_ = install::GetWindowsDir() + L"\\Install.exe";
  bool installerWasThere_ = toolkit::FileExists(installerCopy_);
  std::vector<std::unique_ptr<RegistryOverride>> shellFolders_;
  install::InstallPasses passes_;
  std::optional<TfrmMainForm> form_;
};

TEST_F(RoundTripTest, ARemovalTakesBackWhatTheInstallationMadeButTheSavedGame) {
  const std::string made = kSettingsKey + "\\Made";
  WriteText(package_ + L"\\uninst.uis",
            "[Install]\r\nFolder=%ABSOLUTE%\\" + Narrow(app_) +
                "\r\nRegistStartMenu=1\r\nRegistry=1\r\nUnInstall=1\r\nProjectName=" + kProject +
                "\r\nSoftName=メロパッド\r\nVersion=2.0\r\nGroupName=メロディ\r\n"
                "CreateDesktop=1\r\nPackegeMethod=2\r\n"
                "[Count]\r\nFileCount=2\r\nStartMenuCount=2000000000\r\nRegistryCount="
                "5\r\nDeleteKey=1\r\n"
                "[File]\r\napp.dll=\r\nupgrade.dll=||1|部品\r\n"
                "[StartMenuItem]\r\n0=机上|app.dll|/d|0\r\n1=メロディ App|APP.DLL|-x|1\r\n"
                "2=起動|upgrade.dll||3\r\n"  // past the two [File] keys: never read
                "[Registry]\r\n0=%installdir%\\app.dll|" +
                made + "\\Folder|2|0\r\n1=1234|" + made + "\\Number|2|1\r\n2=258|" + made +
                "\\Binary|2|2|2\r\n3=255|" + made + "\\Flag|2|3\r\n4=9|" + made +
                "\\Other|2|7\r\n[DeleteKey]\r\n0=2|" + made +
                "\r\n[LicenseInfo]\r\nUseLicenseInfo=1\r\nHelpLink=http://h\r\nPublisher=鳥居\r\n"
                "[UnInstallOption]\r\nRegistry=1\r\nDeleteAllFile=1\r\nDeleteNoExtFile=1\r\n"
                "[FileExnted]\r\n0=.SAV\r\n");
  WriteText(package_ + L"\\Install.exe", "MZ");
  WriteStamp(package_ + L"\\app.dll", L"1.1.0.1", 1, 5);
  WriteStamp(package_ + L"\\upgrade.dll", L"1.2.0.0", 1, 5);
  WriteStamp(app_ + L"\\upgrade.dll", L"1.1.0.1", 2, 20);  // an older copy: asked about, kept
  // A value of the user's own beside the key the package makes.
  install::Registry(HKEY_CURRENT_USER, KEY_ALL_ACCESS).OpenKey(kSettingsKey, true);
  ::RegSetKeyValueW(HKEY_CURRENT_USER, Widen(kSettingsKey).c_str(), L"Own", REG_SZ, L"o",
                    2 * sizeof(wchar_t));
  const Listing before = Snapshot();

  // Installed.
  prompter.WillAnswer(toolkit::MessageAnswer::No);
  TfrmMainForm& install = Start(package_ + L"\\Install.exe");
  ClickNext();
  ClickNext();
  EXPECT_TRUE(install.CheckBox1.Checked());
  ClickNext();
  EXPECT_EQ(prompter.Messages(),
            std::vector<std::string>{"部品は既に存在しますが上書きしてもよろしいですか"});
  EXPECT_EQ(install.btnNext.Text(), "完了");
  const std::wstring record = app_ + L"\\uninst.uis";
  const std::map<std::string, std::wstring> entry = {
      {"DisplayName", Widen("メロパッド")},
      {"DisplayVersion", L"2.0"},
      {"UnInstallString", install::GetWindowsDir() + L"\\install.exe \"" + record + L"\""},
      {"InstallLocation", app_},
      {"HelpLink", L"http://h"},
      {"HelpTelephon", L""},
      {"URLInfoAbout", L""},
      {"URLUpdateInfo", L""},
      {"Publisher", Widen("鳥居")},
      {"RecordSha256", Widen(install::Sha256Hex(testing_support::ReadBytes(record)))}};
  EXPECT_EQ(EntryValues(), entry);
  const install::SetupScript written(record);
  EXPECT_EQ(written.ReadString("UnInstall", "InstalledFolder"), Narrow(app_));
  EXPECT_EQ(written.ReadString("UnInstallKept", "0"), "upgrade.dll");
  EXPECT_TRUE(toolkit::FileExists(installerCopy_));
  const Listing installed = Snapshot();
  EXPECT_EQ(LastWritten(app_ + L"\\app.dll"), LastWritten(package_ + L"\\app.dll"));
  // What the installation added, and the values it wrote.
  const std::wstring entryKey = Widen(kEntryKey);
  const std::wstring madeKey = Widen(made);
  std::vector<std::wstring> added = {
      L"* pkg\\uninst.uis", L"+ Common Desktop\\" + Widen("机上.lnk"),
      L"+ Common Programs\\" + Widen("メロディ"),
      L"+ Common Programs\\" + Widen("メロディ\\メロディ App.lnk"), L"+ " + entryKey + L"\\"};
  for (const auto& [name, value] : entry) added.push_back(L"+ " + entryKey + L"|" + Widen(name));
  for (const wchar_t* name : {L"\\", L"|Binary", L"|Flag", L"|Folder", L"|Number"}) {
    added.push_back(L"+ " + madeKey + name);
  }
  added.insert(added.end(), {L"+ app\\app.dll", L"+ app\\uninst.uis"});
  EXPECT_EQ(Differences(before, installed), added);
  const std::wstring folderValue = app_ + L"\\app.dll";
  const std::map<std::wstring, std::wstring> values = {
      {L"Folder", ValueText(REG_SZ, folderValue.c_str(), (folderValue.size() + 1) * 2)},
      {L"Number", L"4:D2040000"},
      {L"Binary", L"3:0201"},
      {L"Flag", L"4:7F000000"}};
  for (const auto& [name, value] : values) {
    EXPECT_EQ(installed.at(madeKey + L"|" + name), value) << Narrow(name);
  }
  EXPECT_EQ(
      install::SetupScript(package_ + L"\\uninst.uis").ReadString("UnInstallOption", "ReadyFolder"),
      "1");
  ClickNext();  // finish: the package stays
  EXPECT_FALSE(install.Visible());
  form_.reset();
  // The program saves a game where it was installed.
  WriteText(app_ + L"\\game.sav", "save");

  // Removed with the record the entry names.
  const std::wstring command = EntryValues()["UnInstallString"];
  const std::size_t open = command.find(L'"');
  const std::wstring argument = command.substr(open + 1, command.rfind(L'"') - open - 1);
  TfrmMainForm& removal = Start(installerCopy_, {argument});
  ClickNext();
  EXPECT_EQ(removal.btnNext.Text(), "完了");
  ClickNext();
  EXPECT_FALSE(removal.Visible());

  // The package stays as the finish step left it; the install folder keeps
  // the saved game and the user's own copy kept at the question, and
  // nothing of the installation's.
  const std::vector<std::wstring> expected = {L"* pkg\\uninst.uis", L"+ app\\game.sav"};
  EXPECT_EQ(Differences(before, Snapshot()), expected);
}

// A folder variable that names no folder, a registry value that is
// missing, puts the file into the install folder: never at the root of the
// current drive, which is what the empty folder followed by "\" would name.
TEST_F(RoundTripTest, AFolderVariableThatNamesNoFolderInstallsIntoTheInstallFolder) {
  const std::string stray = "stray-" + std::to_string(::GetCurrentProcessId()) + ".txt";
  WriteText(package_ + L"\\uninst.uis",
            "[Install]\r\nFolder=%ABSOLUTE%\\" + Narrow(app_) +
                "\r\nUnInstall=0\r\n[Count]\r\nFileCount=1\r\n[File]\r\n" + stray +
                "=%REGISTRY%|HKEY_CURRENT_USER\\" + kSettingsKey + "\\Missing||\r\n");
  WriteText(package_ + L"\\" + Widen(stray), "s");
  wchar_t root[MAX_PATH] = {};
  ASSERT_NE(::GetFullPathNameW(L"\\", MAX_PATH, root, nullptr), 0u);
  const std::wstring atRoot = std::wstring(root) + Widen(stray);
  ASSERT_FALSE(toolkit::FileExists(atRoot));
  TfrmMainForm& form = Start(package_ + L"\\Install.exe");
  for (int i = 0; i < 2; ++i) ClickNext();
  EXPECT_TRUE(prompter.Messages().empty());
  EXPECT_EQ(form.btnNext.Text(), "完了");
  EXPECT_FALSE(toolkit::FileExists(atRoot)) << Narrow(atRoot);
  ::DeleteFileW(atRoot.c_str());
  ASSERT_TRUE(toolkit::FileExists(app_ + L"\\" + Widen(stray)));
  EXPECT_EQ(testing_support::ReadBytes(app_ + L"\\" + Widen(stray)), Bytes{'s'});
}

}  // namespace
