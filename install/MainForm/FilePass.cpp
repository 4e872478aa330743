// The file pass: the package's files copied into their folders, or, when an
// installation is removed, deleted from them again.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "install/MainForm/InstallPasses.h"
#include "install/MainForm/Mainform.h"
#include "install/MainForm/PassDestination.h"
#include "install/MainForm/PassProgress.h"
#include "install/QvRegAPI/SharedFiles.h"
#include "install/QvSystemAPI/Files.h"
#include "install/installsystem/installsystem.h"
#include "install/script/SetupScript.h"
#include "install/text/Fields.h"
#include "install/text/Paths.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace install {

namespace {

using toolkit::MessageAnswer;
using toolkit::MessageButtons;

// One [File] entry with everything both directions need.
struct FileEntry {
  std::string record;
  std::string fileName;
  std::wstring name;
  std::string displayName;
};

FileEntry ReadFileEntry(const SetupScript& script, const std::string& key) {
  FileEntry entry;
  entry.record = script.ReadRecord(kFileSection, key, kMissingFileRecord);
  entry.fileName = ExtractFileName(key);
  entry.name = toolkit::PathFromText(entry.fileName);
  entry.displayName = DisplayName(entry.record, entry.fileName);
  return entry;
}

// "<name>をインストールしています" or "<name>を更新しています" and the
// destination under it, shown at once.
void ShowFileText(TfrmMainForm& form, const FileEntry& entry, const char* action,
                  const std::wstring& folder) {
  form.lblinstallFolder.SetWideText(toolkit::Widen(entry.displayName + action + "\r") + folder +
                                    entry.name);
  ::UpdateWindow(form.lblinstallFolder.Handle());
}

// An existing file marked to be asked about is replaced only when the user
// agrees (or agreed to all); one the user keeps is noted, so its removal
// leaves it too. The copy replaces the old file only once it is complete,
// so the old file is never deleted first.
class FileInstaller {
 public:
  FileInstaller(TfrmMainForm& form, const SetupScript& script)
      : form_(form), script_(script), force_(script.Read(install_keys::kIgNoreTimeStamp)) {}

  void Install(const std::string& key) {
    const FileEntry entry = ReadFileEntry(script_, key);
    const std::wstring folder = DestinationFolder(entry.record, form_.InstallDir, entry.name);
    const bool ask = GetField(entry.record, '|', 3) == "1";
    if (ask && toolkit::FileExists(folder + entry.name)) {
      if (overwriteAll_ || AgreesToReplace(entry)) {
        ShowFileText(form_, entry, "を更新しています", folder);
        Copy(entry, folder, true);
      } else {
        form_.KeptFileKeys.push_back(key);
      }
    } else {
      ShowFileText(form_, entry, "をインストールしています", folder);
      Copy(entry, folder, force_);
    }
    AdvanceProgress(form_);
  }

 private:
  // Any answer but Yes and All, a box closed without a button included,
  // leaves the file.
  bool AgreesToReplace(const FileEntry& entry) {
    const MessageAnswer answer =
        AskUser(form_, entry.displayName + "は既に存在しますが上書きしてもよろしいですか",
                MessageButtons::YesNoAll);
    if (answer == MessageAnswer::All) overwriteAll_ = true;
    return answer == MessageAnswer::Yes || answer == MessageAnswer::All;
  }

  void Copy(const FileEntry& entry, const std::wstring& folder, bool force) {
    InstallFileToFolder(form_.SetupDir + entry.name, folder, force);
    form_.InstalledFiles.push_back(folder + entry.name);
  }

  TfrmMainForm& form_;
  const SetupScript& script_;
  bool force_;
  bool overwriteAll_ = false;
};

bool IsSharedFile(const std::vector<std::wstring>& sharedFiles, const std::wstring& path) {
  return std::any_of(sharedFiles.begin(), sharedFiles.end(), [&](const std::wstring& shared) {
    return ::CompareStringOrdinal(shared.c_str(), static_cast<int>(shared.size()), path.c_str(),
                                  static_cast<int>(path.size()), TRUE) == CSTR_EQUAL;
  });
}

bool AgreesToDeleteShared(TfrmMainForm& form, const FileEntry& entry) {
  return AskUser(form,
                 entry.displayName +
                     " は共有ファイルです。削除してもよろしいですか。\r"
                     "使用しているアプリケーションが存在する場合やわからない場合は"
                     "「いいえ」を選択してください",
                 MessageButtons::YesNo) == MessageAnswer::Yes;
}

// A file other programs share (listed under SharedDLLs) is deleted only
// when the user agrees; its SharedDLLs value goes with it. A file that
// cannot be deleted, a missing one included, is noted in DeleteFailed.
void RemoveFile(TfrmMainForm& form, const FileEntry& entry,
                const std::vector<std::wstring>& sharedFiles) {
  const std::optional<std::wstring> folder =
      FindDestinationFolder(entry.record, form.InstallDir, entry.name);
  if (!folder) {
    // Its copy is nowhere to be found, so it cannot be deleted.
    form.DeleteFailed = true;
    return;
  }
  const std::wstring target = *folder + entry.name;
  const std::wstring fullPath = toolkit::FullPath(target).value_or(target);
  const bool shared = IsSharedFile(sharedFiles, fullPath);
  if (shared && !AgreesToDeleteShared(form, entry)) {
    // The user keeps it.
  } else if (!DeleteFileAt(target)) {
    form.DeleteFailed = true;
  } else if (shared) {
    ForgetSharedFile(fullPath);
  }
  RemoveEmptyFolder(*folder);
}

}  // namespace

void InstallPasses::ProcessFileEntries(TfrmMainForm& form, bool removing) {
  const SetupScript script(form.ScriptPath);
  const std::vector<std::string> keys = script.ReadSectionKeys(kFileSection);
  if (!removing) {
    FileInstaller installer(form, script);
    for (const std::string& key : keys) installer.Install(key);
    return;
  }
  const std::vector<std::wstring> sharedFiles = ReadSharedFileNames();
  // The [File] keys whose files the user kept at installation.
  const std::vector<std::string> keptKeys = script.ReadSectionValues(kUnInstallKeptSection);
  for (const std::string& key : keys) {
    if (FindFileKey(keptKeys, key).empty())
      RemoveFile(form, ReadFileEntry(script, key), sharedFiles);
    AdvanceProgress(form);
  }
}

}  // namespace install
