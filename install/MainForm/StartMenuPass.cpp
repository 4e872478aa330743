// The start-menu pass: the shortcuts of [StartMenuItem] made in the group,
// on the desktop, in Startup or Send To, or, when an installation is
// removed, deleted from there.
#include <string>
#include <vector>

#include "install/MainForm/InstallPasses.h"
#include "install/MainForm/Mainform.h"
#include "install/MainForm/PassDestination.h"
#include "install/MainForm/PassProgress.h"
#include "install/QvSystemAPI/Files.h"
#include "install/QvSystemAPI/Shortcut.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "install/script/SetupScript.h"
#include "install/text/Fields.h"
#include "install/text/Paths.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace install {

namespace {

struct StartMenuEntry {
  std::string name;
  std::string fileKey;
  std::string arguments;
  int kind = kProgramsFolder;
};

StartMenuEntry ReadStartMenuEntry(const SetupScript& script, int index) {
  const std::string record =
      script.ReadRecord(kStartMenuItemSection, std::to_string(index), kMissingStartMenuRecord);
  return {GetField(record, '|', 1), GetField(record, '|', 2), GetField(record, '|', 3),
          GetIntField(record, '|', kProgramsFolder, 4)};
}

// A desktop shortcut only when the user left the desktop box checked; kinds
// beyond the known ones make none.
void MakeShortcut(TfrmMainForm& form, const SetupScript& script, const std::string& fileKey,
                  const StartMenuEntry& entry, const std::string& group) {
  const bool wanted = (entry.kind == kDesktopFolder && form.CheckBox1.Checked()) ||
                      (entry.kind >= 1 && entry.kind <= 9);
  if (!wanted) return;
  const std::wstring fileName = toolkit::PathFromText(entry.fileKey);
  const std::string record = script.ReadRecord(kFileSection, fileKey, kMissingFileRecord);
  const std::wstring target = DestinationFolder(record, form.InstallDir, fileName) + fileName;
  CreateShortcut(group, entry.name, target, entry.kind, entry.arguments);
}

// The link's place is worked out as when it was made, whatever the kind and
// the desktop box; a kind whose shell folder is unknown has no link.
void DeleteShortcut(const StartMenuEntry& entry, const std::string& group) {
  const std::wstring shellFolder = GetShellFolder(entry.kind);
  if (shellFolder.empty()) return;
  std::wstring link = IncludeTrailingBackslash(shellFolder);
  if (entry.kind != kDesktopFolder && entry.kind != kStartupFolder && entry.kind != kSendToFolder) {
    link += toolkit::PathFromText(group) + L"\\";
  }
  link += toolkit::PathFromText(entry.name) + L".lnk";
  if (toolkit::FileExists(link)) DeleteFileAt(link);
}

}  // namespace

void InstallPasses::ProcessStartMenuItems(TfrmMainForm& form, bool removing,
                                          const std::string& group) {
  const SetupScript script(form.ScriptPath);
  const std::vector<std::string> fileKeys = script.ReadSectionKeys(kFileSection);
  // Entries are read up to the number of [File] keys, whatever the script's
  // count says: that count only decides whether the pass runs.
  const int count = static_cast<int>(fileKeys.size());
  for (int i = 0; i < count; ++i) {
    toolkit::Application::Current().ProcessMessages();
    const StartMenuEntry entry = ReadStartMenuEntry(script, i);
    const std::string fileKey = FindFileKey(fileKeys, entry.fileKey);
    if (fileKey.empty()) continue;
    if (removing) {
      DeleteShortcut(entry, group);
    } else {
      MakeShortcut(form, script, fileKey, entry, group);
    }
    AdvanceProgress(form);
  }
}

}  // namespace install
