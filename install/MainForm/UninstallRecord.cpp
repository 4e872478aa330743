// The uninstall registration at the end of the install step: the system's
// uninstall entry, the record's own sections, the record copied into the
// install folder, and the installer's copy in the Windows folder that the
// entry's command starts.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "install/MainForm/InstallPasses.h"
#include "install/MainForm/Mainform.h"
#include "install/MainForm/RecordedNames.h"
#include "install/QvRegAPI/QvRegAPI.h"
#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/Sha256.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "install/installsystem/installsystem.h"
#include "install/script/ScriptKeys.h"
#include "install/script/SetupScript.h"
#include "install/text/Paths.h"
#include "toolkit/FileError.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

namespace keys = install::install_keys;
namespace licence = install::license_info_keys;

namespace {

constexpr wchar_t kInstallerName[] = L"Install.exe";

// The text of a name or folder written into the record; the error names the
// whole path concerned.
std::string RecordTextOrError(const std::wstring& name, const std::wstring& path) {
  std::optional<std::string> text = install::RecordText(name);
  if (!text) {
    throw toolkit::FileError(
        "%s の名前はシフト JIS で表せないため、アンインストール情報に記録できません", path);
  }
  return std::move(*text);
}

// The command the system runs to remove the installation: the installer's
// copy in the Windows folder, given the record in the install folder.
std::wstring UninstallCommand(const std::wstring& installDir) {
  return install::IncludeTrailingBackslash(install::GetWindowsDir()) + L"install.exe \"" +
         install::IncludeTrailingBackslash(installDir) + install::kUninstallRecordName + L"\"";
}

void WriteUninstallEntry(const install::SetupScript& script, const std::wstring& installDir) {
  const std::string project = script.Read(keys::kProjectName);
  const auto text = [&](const char* name, const std::string& value) {
    install::WriteRegString(install::kRootLocalMachine, install::kUninstallEntriesKey, project,
                            name, value);
  };
  const auto path = [&](const char* name, const std::wstring& value) {
    install::WriteRegWideString(install::kRootLocalMachine, install::kUninstallEntriesKey, project,
                                name, value);
  };
  text("DisplayName", script.Read(keys::kSoftName));
  text("DisplayVersion", script.Read(keys::kVersion));
  path("UnInstallString", UninstallCommand(installDir));
  path("InstallLocation", installDir);
  if (!script.Read(licence::kUseLicenseInfo)) return;
  for (const install::StringKey& key :
       {licence::kHelpLink, licence::kHelpTelephon, licence::kURLInfoAbout, licence::kURLUpdateInfo,
        licence::kPublisher}) {
    text(key.name, script.Read(key));
  }
}

// Numbered from "0"; keys of an earlier record beyond these stay.
void WriteFolderNames(const install::SetupScript& script, const std::wstring& installDir) {
  const std::vector<std::wstring> names = install::NoExtensionNames(installDir);
  for (std::size_t i = 0; i < names.size(); ++i) {
    script.WriteString(
        install::kUnInstallDirectoryInfoSection, std::to_string(i),
        RecordTextOrError(names[i], install::IncludeTrailingBackslash(installDir) + names[i]));
  }
}

// The keys of this installation alone: an earlier one's are erased first.
void WriteKeptFileKeys(const install::SetupScript& script, const std::vector<std::string>& keys) {
  script.EraseSection(install::kUnInstallKeptSection);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    script.WriteString(install::kUnInstallKeptSection, std::to_string(i), keys[i]);
  }
}

// The digest of the record as it lies in the install folder, after its last
// write: the removal trusts only a record that still has these bytes.
void WriteRecordDigest(const install::SetupScript& script, const std::wstring& record) {
  const std::vector<std::uint8_t> bytes = toolkit::ReadWholeFile(record);
  install::WriteRegString(install::kRootLocalMachine, install::kUninstallEntriesKey,
                          script.Read(keys::kProjectName), install::kRecordDigestValue,
                          install::Sha256Hex(bytes));
}

// Only the program started as "Install.exe" is the installer the entry's
// command can run; a package that renamed it has no file of that name to
// copy.
void CopyInstaller(const TfrmMainForm& form) {
  const std::wstring installer = form.SetupDir + kInstallerName;
  if (toolkit::UpperCase(install::ExtractFileName(form.ProgramPath())) !=
      toolkit::UpperCase(kInstallerName)) {
    throw toolkit::FileError::CannotOpen(installer);
  }
  install::InstallFileToFolder(installer, install::GetWindowsDir(), false);
}

}  // namespace

namespace install {

// The install folder goes into the record as text, so it is checked before
// anything is written. The system's entry is written only once the record
// it names is in place: a record that cannot be written (a full disk)
// leaves no entry pointing at nothing.
void InstallPasses::RegisterUninstall(TfrmMainForm& form) {
  const SetupScript script(form.ScriptPath);
  const std::string folderText = RecordTextOrError(form.InstallDir, form.InstallDir);
  script.Write(uninstall_keys::kInstalledFolder, folderText);
  script.Write(uninstall_keys::kInstalledGroup, form.cmbGroupName.Text());
  WriteFolderNames(script, form.InstallDir);
  WriteKeptFileKeys(script, form.KeptFileKeys);
  script.Flush();
  InstallFileToFolder(form.ScriptPath, form.InstallDir, true);
  const std::wstring record = IncludeTrailingBackslash(form.InstallDir) + kUninstallRecordName;
  form.InstalledFiles.push_back(record);
  WriteUninstallEntry(script, form.InstallDir);
  WriteRecordDigest(script, record);
  CopyInstaller(form);
}

}  // namespace install
