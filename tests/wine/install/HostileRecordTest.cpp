// Uninstall records changed, moved or made by hand, each run through the
// real removal as the system's list of programs starts it. The drive and the
// registry keys a record could reach are listed before and after: a refused
// record changes nothing and says why; a record as its installation left it
// takes only what that installation made, however large its counts.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "install/MainForm/Mainform.h"
#include "install/MainForm/RecordedNames.h"
#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "tests/wine/install/RecordEntry.h"
#include "tests/wine/install/SystemListing.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace {

using install_tests::Listing;
using toolkit::Narrow;
using toolkit::Widen;

const std::string kProject = "Hostile" + std::to_string(::GetCurrentProcessId());
const std::string kEntryKey = std::string(install::kUninstallEntriesKey) + "\\" + kProject;
constexpr char kStopped[] = "アンインストール作業を中止します";

void WriteText(const std::wstring& path, const std::string& text) {
  testing_support::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string RecordFor(const std::wstring& folder, const std::string& more) {
  return "[Install]\r\nProjectName=" + kProject +
         "\r\n[UnInstall]\r\nInstalledFolder=" + Narrow(folder) +
         "\r\n[UnInstallOption]\r\nDeleteAllFile=1\r\n" + more;
}

// What a record could reach: the whole drive, and the registry keys of the
// rows, but for Wine's own settings, which it writes as it pleases.
Listing Prefix() {
  Listing listing;
  install_tests::ListFiles(L"C:\\", listing);
  install_tests::ListKey(HKEY_CURRENT_USER, L"Software", listing);
  install_tests::ListKey(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion",
                         listing);
  std::erase_if(listing,
                [](const auto& entry) { return entry.first.starts_with(L"Software\\Wine"); });
  return listing;
}

class HostileRecordTest : public testing_support::WindowTest {
 protected:
  ~HostileRecordTest() override { ForgetEntry(); }

  static void ForgetEntry() {
    install::Registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS).DeleteKey(kEntryKey);
  }

  // The wizard started with the record, as the entry's command starts it;
  // a record it accepts is removed with Next.
  void Remove(const std::wstring& record) {
    WizardServices services;
    services.system = {install::PlatformFamily::kNt, 6, 1};
    services.passes = &passes_;
    services.programPath = install::GetWindowsDir() + L"\\install.exe";
    services.arguments = {record};
    form_.emplace(std::move(services));
    form_->Show();
    form_->FormActivate();
    application.ProcessMessages();
    if (form_->UninstallMode) {
      ::SendMessageW(form_->btnNext.Handle(), BM_CLICK, 0, 0);
      EXPECT_EQ(form_->btnNext.Text(), "完了");
    }
    form_.reset();
  }

  testing_support::ScratchFolder scratch_;
  std::wstring app_ = scratch_.File(L"app");
  std::wstring other_ = scratch_.File(L"other");
  install::InstallPasses passes_;
  std::optional<TfrmMainForm> form_;
};

TEST_F(HostileRecordTest, ARemovalTakesOnlyWhatItsInstallationMade) {
  const std::wstring system = install::GetSystemDir();
  wchar_t documentsFolder[MAX_PATH] = {};
  ASSERT_EQ(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documentsFolder), S_OK);
  const std::wstring documents = documentsFolder;
  const std::wstring appRecord = app_ + L"\\uninst.uis";
  const std::wstring otherRecord = other_ + L"\\uninst.uis";
  const auto changed = [](const std::wstring& record) {
    return "アンインストール情報 " + Narrow(record) +
           " は壊れているか、インストール後に変更されています。" + kStopped;
  };
  const auto notDeletable = [](const std::string& folder) {
    return "アンインストール情報のインストール先フォルダ「" + folder +
           "」は削除できる場所ではありません。" + kStopped;
  };
  const std::string outside = "[File]\r\nkernel32.dll=%SYSTEMDIR%|\r\nreport.txt=%ABSOLUTE%|" +
                              Narrow(documents) + "\r\n../users/x/Documents/photo.jpg=\r\n";
  const struct {
    const char* what;
    std::wstring folder;  // where the record lies
    std::string record;
    std::string editedAfter;  // appended once the record is registered
    std::wstring startedWith;
    std::string message;  // none: the removal runs
  } rows[] = {
      {"the system folder", system, RecordFor(system, ""), "", system + L"\\uninst.uis",
       notDeletable(Narrow(system))},
      {"the documents", documents, RecordFor(documents, ""), "", documents + L"\\uninst.uis",
       notDeletable(Narrow(documents))},
      {"the documents by a detour", documents,
       RecordFor(Widen("C:\\evil\\..\\") + documents.substr(3), ""), "",
       documents + L"\\uninst.uis", notDeletable("C:\\evil\\..\\" + Narrow(documents).substr(3))},
      {"a relative folder", app_, RecordFor(L"app", ""), "", appRecord, notDeletable("app")},
      {"files outside, added later", app_, RecordFor(app_, ""), outside, appRecord,
       changed(appRecord)},
      {"a file name with slashes", app_, RecordFor(app_, "[File]\r\n../../x/photo.jpg=\r\n"), "",
       appRecord,
       Narrow(appRecord) +
           " は壊れています。[File] のキー「../../x/photo.jpg」はファイル名として使えません"},
      {"the entries' own key", app_,
       "[Install]\r\nProjectName=\\\r\n[UnInstall]\r\nInstalledFolder=" + Narrow(app_) + "\r\n", "",
       appRecord, changed(appRecord)},
      {"a copy in another folder", app_, RecordFor(app_, ""), "", otherRecord,
       changed(otherRecord)},
      {"another folder's record", other_, RecordFor(app_, ""), "", otherRecord,
       "アンインストール情報 " + Narrow(otherRecord) + " はインストール先フォルダ「" +
           Narrow(app_) + "」にありません。" + kStopped},
      {"shared keys and huge counts", app_,
       RecordFor(app_,
                 "Registry=1\r\n[Count]\r\nDeleteKey=2000000000\r\nFileExtCount=2000000000\r\n"
                 "FileCount=2147483647\r\nRegistryCount=2147483647\r\n"
                 "[DeleteKey]\r\n0=2|Software\r\n1=0|Software\\Microsoft\\Windows\\"
                 "CurrentVersion\r\n2=0|\\Software\\Microsoft\\\\Windows\\CurrentVersion\\"
                 "Uninstall\\\r\n3=1|CLSID\r\n[File]\r\nmade.txt=\r\n"),
       "", appRecord, ""},
  };
  for (const auto& row : rows) {
    for (const std::wstring& folder : {app_, other_}) ::CreateDirectoryW(folder.c_str(), nullptr);
    WriteText(app_ + L"\\made.txt", "m");
    const std::wstring record = row.folder + L"\\uninst.uis";
    WriteText(record, row.record);
    install_tests::RegisterRecord(kProject, record);
    if (!row.editedAfter.empty()) WriteText(record, row.record + row.editedAfter);
    if (row.startedWith != record) ::CopyFileW(record.c_str(), row.startedWith.c_str(), FALSE);
    const Listing before = Prefix();
    const std::size_t asked = prompter.Messages().size();

    Remove(row.startedWith);
    const std::vector<std::string> all = prompter.Messages();
    const std::vector<std::string> messages(all.begin() + static_cast<std::ptrdiff_t>(asked),
                                            all.end());

    const std::vector<std::wstring> differences = install_tests::Differences(before, Prefix());
    if (!row.message.empty()) {
      EXPECT_EQ(messages, std::vector<std::string>{row.message}) << row.what;
      EXPECT_TRUE(differences.empty()) << row.what << ": " << Narrow(differences.front());
    } else {
      EXPECT_TRUE(messages.empty()) << row.what << ": " << messages.front();
      // What goes is the install folder with its files and the entry.
      const std::wstring folder = Widen(Narrow(app_).substr(3));
      for (const std::wstring& difference : differences) {
        EXPECT_TRUE(difference.starts_with(L"- " + folder) ||
                    difference.starts_with(L"- " + Widen(kEntryKey)))
            << row.what << ": " << Narrow(difference);
      }
      EXPECT_FALSE(toolkit::FolderExists(app_)) << row.what;
    }
    for (const std::wstring& left : {record, row.startedWith, app_ + L"\\made.txt"}) {
      ::DeleteFileW(left.c_str());
    }
    ForgetEntry();
  }
}

}  // namespace
