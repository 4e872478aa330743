// The removal of an installation from its uninstall record: the passes undo
// files, shortcuts and registry values, then the record's own deletions
// follow, the install folder, the group folder, the record and the system's
// uninstall entry.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "install/MainForm/InstallPasses.h"
#include "install/MainForm/Mainform.h"
#include "install/MainForm/PassDestination.h"
#include "install/MainForm/PassProgress.h"
#include "install/MainForm/RecordedNames.h"
#include "install/QvRegAPI/QvRegAPI.h"
#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/DeletablePaths.h"
#include "install/QvSystemAPI/Files.h"
#include "install/QvSystemAPI/ProtectedFolders.h"
#include "install/script/ScriptKeys.h"
#include "install/script/SetupScript.h"
#include "install/text/Fields.h"
#include "install/text/Paths.h"
#include "toolkit/FileError.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace keys = install::install_keys;
namespace counts = install::count_keys;
namespace options = install::uninstall_option_keys;

namespace {

// What the removal needs of the record, read whole before anything goes:
// the record itself usually lies in the install folder.
struct Record {
  std::wstring folder;
  std::string group;
  // The group's folder below the Programs folder, empty without one.
  std::wstring groupFolder;
  std::string projectName;
  bool registStartMenu = false;
  bool registry = false;
  int startMenuCount = 0;
  int registryCount = 0;
  bool deleteKeys = false;
  std::vector<std::string> deleteKeyRecords;
  bool deleteAllFile = false;
  bool readyFolder = false;
  bool deleteNoExtFile = false;
  std::vector<std::string> keptExtensions;
  std::vector<std::string> folderNames;
  // The files the user kept at the overwrite question, full paths.
  std::vector<std::wstring> keptFiles;
};

// A record whose folder is empty, relative, a whole drive or share, or a
// folder of the system would let the removal loose on what it never
// installed: it is refused before anything is deleted, and the record and
// the entry stay as they are. The record was checked when the wizard
// started; this holds for a removal started any other way.
std::wstring CheckedFolder(const install::SetupScript& script) {
  const std::wstring folder = install::ExcludeTrailingBackslash(
      toolkit::PathFromText(script.Read(install::uninstall_keys::kInstalledFolder)));
  if (!install::RemovableFolder(folder)) {
    throw toolkit::FileError(
        "アンインストール情報のインストール先フォルダ「%s」は削除できる場所ではありません。"
        "アンインストール作業を中止します",
        folder);
  }
  return folder;
}

// Where the files of the [File] keys the user kept lie.
std::vector<std::wstring> KeptFiles(const install::SetupScript& script,
                                    const std::wstring& folder) {
  std::vector<std::wstring> files;
  for (const std::string& key : script.ReadSectionValues(install::kUnInstallKeptSection)) {
    const std::wstring name = toolkit::PathFromText(install::ExtractFileName(key));
    const std::string entry =
        script.ReadRecord(install::kFileSection, key, install::kMissingFileRecord);
    if (const auto destination = install::FindDestinationFolder(entry, folder, name)) {
      files.push_back(*destination + name);
    }
  }
  return files;
}

// What becomes of the install folder: its recorded names, whether it was
// there before, and the extensions a tree deletion keeps.
void ReadFolderRules(const install::SetupScript& script, Record& record) {
  record.deleteAllFile = script.Read(options::kDeleteAllFile);
  record.readyFolder = script.Read(options::kReadyFolder);
  record.deleteNoExtFile = script.Read(options::kDeleteNoExtFile);
  record.keptExtensions =
      script.ReadNumbered(install::kFileExntedSection, script.Read(counts::kFileExtCount), "");
  record.folderNames = script.ReadSectionValues(install::kUnInstallDirectoryInfoSection);
}

Record ReadRecord(const install::SetupScript& script, const std::wstring& programsDir) {
  Record record;
  record.folder = CheckedFolder(script);
  record.group = script.Read(install::uninstall_keys::kInstalledGroup);
  record.projectName = script.Read(keys::kProjectName);
  record.registStartMenu = script.Read(keys::kRegistStartMenu);
  // Only a group inside the Programs folder is the installation's own.
  if (record.registStartMenu && !record.group.empty()) {
    const std::wstring groupFolder = programsDir + L"\\" + toolkit::PathFromText(record.group);
    if (install::LiesInside(programsDir, groupFolder)) record.groupFolder = groupFolder;
  }
  record.registry = script.Read(keys::kRegistry);
  record.startMenuCount = script.Read(counts::kStartMenuCount);
  record.registryCount = script.Read(counts::kRegistryCount);
  record.deleteKeys = script.Read(options::kRegistry);
  record.deleteKeyRecords =
      script.ReadNumbered(install::kDeleteKeySection, script.Read(counts::kDeleteKey),
                          install::kMissingDeleteKeyRecord);
  record.keptFiles = KeptFiles(script, record.folder);
  ReadFolderRules(script, record);
  return record;
}

void DeleteRecordedKeys(TfrmMainForm& form, const Record& record) {
  for (const std::string& entry : record.deleteKeyRecords) {
    install::DeleteRegKey(install::GetIntField(entry, '|', install::kRootCurrentUser, 1),
                          install::GetField(entry, '|', 2));
    form.PrgAll.SetPosition(form.PrgAll.Position() + 1);
  }
}

// True when every name without extension in the folder was there when the
// record was made: a folder the user added afterwards keeps the tree.
bool HoldsOnlyRecordedNames(const Record& record) {
  const std::vector<std::wstring> names = install::NoExtensionNames(record.folder);
  return std::all_of(names.begin(), names.end(), [&](const std::wstring& name) {
    const std::optional<std::string> text = install::RecordText(name);
    return text && std::find(record.folderNames.begin(), record.folderNames.end(), *text) !=
                       record.folderNames.end();
  });
}

// A folder that was there before the installation, or one whose files are
// not all to go, is only removed when nothing is left in it.
void RemoveInstallFolder(const Record& record) {
  if (!record.deleteAllFile || record.readyFolder) {
    install::RemoveEmptyFolder(record.folder);
    return;
  }
  if (!toolkit::FolderExists(record.folder) || !HoldsOnlyRecordedNames(record)) return;
  install::DeleteFolderTree(record.folder, record.keptExtensions, record.deleteNoExtFile,
                            record.keptFiles);
}

// The wizard turns Next into "完了" itself once the removal returns.
void ShowFinished(TfrmMainForm& form) {
  form.Label9.SetText("アンインストールが終了しました。完了ボタンをクリックしてください");
  if (form.DeleteFailed) {
    form.lblinstallFolder.SetText("※一部のファイル(フォルダ)は削除できませんでした");
    form.lblinstallFolder.SetVisible(true);
  }
  form.statProgress.SetVisible(false);
  form.PrgAll.SetVisible(false);
}

}  // namespace

namespace install {

void InstallPasses::Uninstall(TfrmMainForm& form) {
  const SetupScript script(form.ScriptPath);
  const Record record = ReadRecord(script, form.ProgramsDir);
  form.PrgAll.SetRange(
      0, ProgressTotal({record.startMenuCount, record.registryCount,
                        script.Read(counts::kFileCount), script.Read(counts::kDeleteKey)}));
  form.PrgAll.SetPosition(0);
  form.InstallDir = record.folder;

  form.statProgress.SetText("ファイルを削除しています");
  ProcessFileEntries(form, true);
  form.lblinstallFolder.SetVisible(false);
  if (record.registStartMenu && record.startMenuCount != 0) {
    form.statProgress.SetText("スタートメニューのショートカットを削除しています");
    ProcessStartMenuItems(form, true, record.group);
  }
  form.statProgress.SetText("レジストリ情報の削除を行っています");
  if (record.registry && record.registryCount != 0) ProcessRegistryEntries(form, true);
  if (record.deleteKeys) DeleteRecordedKeys(form, record);

  RemoveInstallFolder(record);
  if (!record.groupFolder.empty()) RemoveEmptyFolder(record.groupFolder);
  form.statProgress.SetText("アンインストール情報の削除を行っています");
  DeleteFileAt(form.RecordPath);
  // The record lies in the install folder itself, so a folder that goes only
  // when nothing is left in it can go only now.
  RemoveEmptyFolder(record.folder);
  if (!record.projectName.empty()) {
    DeleteRegKey(kRootLocalMachine, std::string(kUninstallEntriesKey) + "\\" + record.projectName);
  }
  ShowFinished(form);
}

}  // namespace install
