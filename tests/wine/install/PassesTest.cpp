// The install step with its real passes, driven through the wizard window:
// a package of files, shortcuts and registry values installed into a
// scratch folder, then removed again the way the uninstall flow calls them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "install/MainForm/Mainform.h"
#include "install/QvRegAPI/SharedFiles.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/install/StampFiles.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Com.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace {

using install_tests::RegistryOverride;
using install_tests::WriteStamp;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using toolkit::MessageAnswer;
using Bytes = std::vector<std::uint8_t>;

std::vector<std::wstring> Names(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const toolkit::FolderEntry& entry : toolkit::ListFolder(folder)) names.push_back(entry.name);
  return names;
}

std::uint8_t Marker(const std::wstring& path) {
  const Bytes bytes = ReadBytes(path);
  return bytes.empty() ? 0 : bytes.back();
}

// A value under HKEY_CURRENT_USER with its type, nothing when it is missing.
std::optional<std::string> ReadValue(const std::string& key, const char* name, DWORD& type) {
  std::string data(64, '\0');
  DWORD size = static_cast<DWORD>(data.size());
  if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                     data.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(size);
  return data;
}

class PassesTest : public testing_support::WindowTest {
 protected:
  PassesTest() {
    // What the progress page's file text said when each question came.
    prompter.WhenAsked([this](const toolkit::MessageRequest&) {
      if (form_) labels_.push_back(form_->lblinstallFolder.WideText());
    });
    for (const std::wstring& folder : {package_, app_}) {
      ::CreateDirectoryW(folder.c_str(), nullptr);
    }
    // Each shell folder in a folder of its own named after its value.
    for (const char* name :
         {"Common Desktop", "Common Programs", "Common Startup", "Common Start Menu"}) {
      shellFolders_.push_back(std::make_unique<RegistryOverride>(
          HKEY_LOCAL_MACHINE, install_tests::kShellFoldersKey, name));
      shellFolders_.back()->SetPath(scratch_.File(toolkit::Widen(name)));
      ::CreateDirectoryW(scratch_.File(toolkit::Widen(name)).c_str(), nullptr);
    }
  }
  ~PassesTest() override {
    form_.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, toolkit::Widen(testKey_).c_str());
  }

  void WriteScript(const std::string& text) {
    WriteBytes(package_ + L"\\uninst.uis", Bytes(text.begin(), text.end()));
  }

  // The wizard on its welcome page.
  TfrmMainForm& Start() {
    WizardServices services;
    services.system = {install::PlatformFamily::kNt, 6, 1};
    services.passes = &passes_;
    services.programPath = package_ + L"\\Install.exe";
    form_.emplace(std::move(services));
    form_->Show();
    form_->FormActivate();
    application.ProcessMessages();
    return *form_;
  }

  // The wizard from its welcome page to the end of the install step.
  TfrmMainForm& Install() {
    Start();
    for (int i = 0; i < 3; ++i) ::SendMessageW(form_->btnNext.Handle(), BM_CLICK, 0, 0);
    return *form_;
  }

  std::wstring Shell(const wchar_t* folder, const std::wstring& link) const {
    return scratch_.File(std::wstring(folder) + L"\\" + link);
  }

  toolkit::ComInitialization com_;
  testing_support::ScratchFolder scratch_;
  std::wstring package_ = scratch_.File(L"pkg");
  std::wstring app_ = scratch_.File(L"app");
  std::string testKey_ = "Software\\PassesTest" + std::to_string(::GetCurrentProcessId());
  std::vector<std::unique_ptr<RegistryOverride>> shellFolders_;
  install::InstallPasses passes_;
  std::optional<TfrmMainForm> form_;
  std::vector<std::wstring> labels_;
};

TEST_F(PassesTest, APackageIsInstalledAndRemovedAgain) {
  const std::string lost = "lost-" + std::to_string(::GetCurrentProcessId()) + ".txt";
  const std::string app = toolkit::Narrow(app_);
  WriteScript("[Install]\r\nFolder=%ABSOLUTE%\\" + app +
              "\r\nRegistStartMenu=1\r\nRegistry=1\r\n"
              "UnInstall=0\r\nGroupName=メロディ\r\nCreateDesktop=1\r\n"
              "[Count]\r\nFileCount=9\r\nStartMenuCount=5\r\nRegistryCount=5\r\n"
              "[File]\r\napp.dll=\r\nupgrade.dll=|||\r\nhelp.txt=%installdir%|ヘルプ||\r\n"
              "ask-yes.dll=||1|はいの部品\r\nask-no.dll=||1|\r\nask-all.dll=||1|全部\r\n"
              "ask-after.dll=||1|\r\nnew.dll=||1|\r\n" +
              lost +
              "=%SearchFileDir%|||\r\n"
              "[StartMenuItem]\r\n0=机上|app.dll|/d|0\r\n1=メロディ App|APP.DLL|-x \"ソ\"|1\r\n"
              "2=ヘルプ|help.txt||3\r\n3=不明|nothere.exe||1\r\n4=上の段|app.dll||12\r\n"
              "5=カウント外|app.dll||1\r\n9=読まない|app.dll||1\r\n"
              "[Registry]\r\n0=%installdir%\\app.dll|" +
              testKey_ + "\\Folder|2|0\r\n1=1234|" + testKey_ + "\\Number|2|1\r\n2=258|" +
              testKey_ + "\\Binary|2|2|2\r\n3=255|" + testKey_ + "\\Flag|2|3\r\n4=9|" + testKey_ +
              "\\Other|2|7\r\n");
  // In the package: versions, time stamps and markers tell the copies apart.
  // A file counts as newer when any field of its version is greater.
  WriteStamp(package_ + L"\\app.dll", L"1.1.0.1", 1, 5);
  WriteStamp(app_ + L"\\app.dll", L"1.1.0.1", 2, 10);  // same version, later stamp: stays
  WriteStamp(package_ + L"\\upgrade.dll", L"1.2.0.0", 1, 5);
  WriteStamp(app_ + L"\\upgrade.dll", L"1.1.0.1", 2, 20);  // older version: replaced
  for (const wchar_t* name : {L"ask-yes.dll", L"ask-no.dll", L"ask-all.dll", L"ask-after.dll"}) {
    WriteStamp(package_ + L"\\" + name, L"1.1.0.1", 1, 10);
    // Would stay, but for the user's answer.
    WriteStamp(app_ + L"\\" + name, L"1.1.0.1", 2, 30);
  }
  WriteStamp(package_ + L"\\new.dll", L"1.1.0.1", 1, 10);
  WriteBytes(package_ + L"\\help.txt", {'h'});
  WriteBytes(package_ + L"\\" + toolkit::Widen(lost), {'l'});
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillAnswer(MessageAnswer::No);
  prompter.WillAnswer(MessageAnswer::All);

  TfrmMainForm& form = Install();

  // Files.
  EXPECT_EQ(prompter.Messages(),
            (std::vector<std::string>{"はいの部品は既に存在しますが上書きしてもよろしいですか",
                                      "ask-no.dllは既に存在しますが上書きしてもよろしいですか",
                                      "全部は既に存在しますが上書きしてもよろしいですか"}));
  for (const auto& question : prompter.Asked()) {
    EXPECT_EQ(question.message.buttons, toolkit::MessageButtons::YesNoAll);
    EXPECT_EQ(question.message.caption, "情報");
    EXPECT_EQ(question.message.icon, toolkit::MessageIcon::Information);
  }
  const std::wstring help = app_ + toolkit::Widen("\\ヘルプ\\help.txt");
  EXPECT_EQ(labels_,
            (std::vector<std::wstring>{
                toolkit::Widen("help.txtをインストールしています\r") + help,
                toolkit::Widen("はいの部品を更新しています\r") + app_ + L"\\ask-yes.dll",
                toolkit::Widen("はいの部品を更新しています\r") + app_ + L"\\ask-yes.dll"}));
  EXPECT_EQ(form.lblinstallFolder.WideText(), toolkit::Widen(lost + "をインストールしています\r") +
                                                  app_ + L"\\" + toolkit::Widen(lost));
  const struct {
    const wchar_t* name;
    std::uint8_t marker;
  } files[] = {{L"app.dll", 2},     {L"upgrade.dll", 1},   {L"ask-yes.dll", 1}, {L"ask-no.dll", 2},
               {L"ask-all.dll", 1}, {L"ask-after.dll", 1}, {L"new.dll", 1}};
  for (const auto& f : files) EXPECT_EQ(Marker(app_ + L"\\" + f.name), f.marker) << f.name;
  EXPECT_EQ(ReadBytes(help), Bytes{'h'});
  EXPECT_EQ(ReadBytes(app_ + L"\\" + toolkit::Widen(lost)), Bytes{'l'});
  EXPECT_EQ(form.InstalledFiles.size(), 8u);
  // Shortcuts: kinds 0, 1 and 3, and the entry past StartMenuCount, which
  // only decides whether the pass runs; the unknown file, kind 12 and the
  // entry past the nine [File] keys make none.
  const std::wstring desktop = Shell(L"Common Desktop", toolkit::Widen("机上.lnk"));
  const std::wstring programs =
      Shell(L"Common Programs", toolkit::Widen("メロディ\\メロディ App.lnk"));
  const std::wstring startup = Shell(L"Common Startup", toolkit::Widen("ヘルプ.lnk"));
  for (const std::wstring& link : {desktop, programs, startup}) {
    EXPECT_TRUE(toolkit::FileExists(link)) << toolkit::Narrow(link);
  }
  EXPECT_EQ(Names(scratch_.File(toolkit::Widen("Common Programs\\メロディ"))),
            (std::vector<std::wstring>{toolkit::Widen("カウント外.lnk"),
                                       toolkit::Widen("メロディ App.lnk")}));
  EXPECT_FALSE(toolkit::FolderExists(Shell(L"Common Start Menu", toolkit::Widen("メロディ"))));
  // Registry values.
  const struct {
    const char* name;
    DWORD type;
    std::string data;
  } values[] = {{"Folder", REG_SZ, app + "\\app.dll" + std::string(1, '\0')},
                {"Number", REG_DWORD, std::string("\xD2\x04\0\0", 4)},
                {"Binary", REG_BINARY, std::string("\x02\x01", 2)},
                {"Flag", REG_DWORD, std::string("\x7F\0\0\0", 4)}};
  for (const auto& v : values) {
    DWORD type = REG_NONE;
    EXPECT_EQ(ReadValue(testKey_, v.name, type), v.data) << v.name;
    EXPECT_EQ(type, v.type) << v.name;
  }
  DWORD type = REG_NONE;
  EXPECT_FALSE(ReadValue(testKey_, "Other", type));
  EXPECT_EQ(form.PrgAll.Max(), 19);
  EXPECT_EQ(form.PrgAll.Position(), 9 + 5 + 5);
  EXPECT_EQ(form.btnNext.Text(), "完了");

  // Without the desktop box, kind 0 makes no link.
  ASSERT_TRUE(::DeleteFileW(desktop.c_str()));
  form.CheckBox1.SetChecked(false);
  passes_.ProcessStartMenuItems(form, false, "メロディ");
  EXPECT_FALSE(toolkit::FileExists(desktop));
  form.CheckBox1.SetChecked(true);
  passes_.ProcessStartMenuItems(form, false, "メロディ");
  EXPECT_TRUE(toolkit::FileExists(desktop));

  // Removed: two files are shared, one answered Yes, one No; one installed
  // file has gone already; a link of kind 12 is found in the start menu's
  // own group; the box no longer matters for kind 0.
  form.CheckBox1.SetChecked(false);
  RegistryOverride sharedYes(HKEY_LOCAL_MACHINE, toolkit::Narrow(install::kSharedFilesKey),
                             toolkit::Narrow(app_ + L"\\ASK-YES.DLL"));
  sharedYes.SetNumber(1);
  RegistryOverride sharedNo(HKEY_LOCAL_MACHINE, toolkit::Narrow(install::kSharedFilesKey),
                            toolkit::Narrow(app_ + L"\\ask-no.dll"));
  sharedNo.SetNumber(1);
  ASSERT_TRUE(::DeleteFileW((app_ + L"\\new.dll").c_str()));
  const std::wstring topGroup = Shell(L"Common Start Menu", toolkit::Widen("メロディ"));
  ::CreateDirectoryW(topGroup.c_str(), nullptr);
  WriteBytes(topGroup + toolkit::Widen("\\上の段.lnk"), {'L'});
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillAnswer(MessageAnswer::No);
  const std::string shared =
      " は共有ファイルです。削除してもよろしいですか。\r使用しているアプリケーションが存在する場合"
      "やわからない場合は「いいえ」を選択してください";

  form.PrgAll.SetPosition(0);
  form.lblinstallFolder.SetText("");
  passes_.ProcessFileEntries(form, true);
  passes_.ProcessStartMenuItems(form, true, "メロディ");
  passes_.ProcessRegistryEntries(form, true);

  const std::vector<std::string> asked = prompter.Messages();
  ASSERT_EQ(asked.size(), 5u);
  EXPECT_EQ(asked[3], "はいの部品" + shared);
  EXPECT_EQ(asked[4], "ask-no.dll" + shared);
  EXPECT_EQ(prompter.Asked()[4].message.buttons, toolkit::MessageButtons::YesNo);
  EXPECT_TRUE(form.DeleteFailed);
  EXPECT_EQ(form.lblinstallFolder.Text(), "");
  // The file kept is the shared one answered No; the one the search cannot
  // find again stays where it was put.
  const std::vector<std::wstring> left = Names(app_);
  EXPECT_EQ(left, (std::vector<std::wstring>{L"ask-no.dll", toolkit::Widen(lost)}));
  EXPECT_FALSE(toolkit::FolderExists(app_ + toolkit::Widen("\\ヘルプ")));
  const std::vector<std::wstring> sharedNames = install::ReadSharedFileNames();
  EXPECT_EQ(std::count(sharedNames.begin(), sharedNames.end(), app_ + L"\\ASK-YES.DLL"), 0);
  EXPECT_EQ(std::count(sharedNames.begin(), sharedNames.end(), app_ + L"\\ask-no.dll"), 1);
  for (const std::wstring& link :
       {desktop, programs, startup, topGroup + toolkit::Widen("\\上の段.lnk")}) {
    EXPECT_FALSE(toolkit::FileExists(link)) << toolkit::Narrow(link);
  }
  for (const auto& v : values) EXPECT_FALSE(ReadValue(testKey_, v.name, type)) << v.name;
  EXPECT_EQ(form.PrgAll.Position(), 9 + 5 + 5);
}

// Removal tells when a file of the package could not be deleted: a file
// gone already, or one whose folder the search no longer finds.
TEST_F(PassesTest, ARemovalNotesWhatItCouldNotDelete) {
  const std::string nowhere = "nowhere-" + std::to_string(::GetCurrentProcessId()) + ".txt";
  const struct {
    const char* what;
    std::string entry;
    bool present;
    bool failed;
  } cases[] = {
      {"a file deleted", "kept.txt=|||", true, false},
      {"a file gone already", "kept.txt=|||", false, true},
      {"a file the search cannot find", nowhere + "=%SearchFileDir%|||", true, true},
  };
  for (const auto& c : cases) {
    WriteScript("[File]\r\n" + c.entry + "\r\n");
    const std::wstring file = app_ + L"\\" + toolkit::Widen(c.entry.substr(0, c.entry.find('=')));
    // The folder goes with its last file.
    ::CreateDirectoryW(app_.c_str(), nullptr);
    if (c.present) WriteBytes(file, {'k'});
    TfrmMainForm& form = Start();
    form.InstallDir = app_;
    form.PrgAll.SetRange(0, 5);
    passes_.ProcessFileEntries(form, true);
    EXPECT_EQ(form.DeleteFailed, c.failed) << c.what;
    EXPECT_EQ(toolkit::FileExists(file), c.present && c.failed) << c.what;
    EXPECT_EQ(form.PrgAll.Position(), 1) << c.what;
    EXPECT_EQ(toolkit::FolderExists(app_), c.present && c.failed) << c.what;
    form_.reset();
    ::DeleteFileW(file.c_str());
  }
}

// An error of a pass ends the install step where it happened: the error is
// shown, and the progress page stays with Next disabled and Cancel enabled.
TEST_F(PassesTest, AFailingEntryLeavesTheWizardOnTheProgressPage) {
  const std::string app = toolkit::Narrow(app_);
  const struct {
    const char* what;
    std::string sections;
    std::wstring message;
  } cases[] = {
      {"a missing source file", "[File]\r\ngone.dll=\r\n",
       L"ファイル " + package_ + L"\\gone.dll は開けません"},
      {"a number that is none", "[Registry]\r\n0=12a|" + testKey_ + "\\Bad|2|1\r\n",
       toolkit::Widen("'Bad' の値 '12a' は数値ではありません")},
  };
  for (const auto& c : cases) {
    WriteScript("[Install]\r\nFolder=%ABSOLUTE%\\" + app +
                "\r\nRegistStartMenu=1\r\nRegistry=1\r\nUnInstall=0\r\n" +
                "[Count]\r\nRegistryCount=1\r\nFileCount=1\r\n" + c.sections);
    TfrmMainForm& form = Install();
    ASSERT_FALSE(prompter.Asked().empty()) << c.what;
    EXPECT_EQ(prompter.Asked().back().message.text, c.message) << c.what;
    EXPECT_EQ(prompter.Asked().back().message.icon, toolkit::MessageIcon::Error) << c.what;
    EXPECT_TRUE(form.pnlDisposition.Visible()) << c.what;
    EXPECT_FALSE(form.btnNext.Enabled()) << c.what;
    EXPECT_TRUE(form.btnCancel.Enabled()) << c.what;
    EXPECT_EQ(form.WizardStep, 4) << c.what;
    form_.reset();
  }
}

}  // namespace
