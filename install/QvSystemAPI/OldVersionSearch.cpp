#include "install/QvSystemAPI/OldVersionSearch.h"

#include <vector>

#include "install/text/Paths.h"
#include "toolkit/Application.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace install {

namespace {

// An entry worth a look, its name upper-cased.
struct RecordedEntry {
  std::wstring name;
  bool isFolder;
};

// The entries of `folder` worth a look, in listing order; empty when the
// folder cannot be listed. A link is never recorded as a folder to enter: a
// link back up the tree would make the search go round forever, and one
// pointing elsewhere would find a copy outside the searched tree.
std::vector<RecordedEntry> RecordEntries(const std::wstring& folder,
                                         const std::wstring& targetExt) {
  std::vector<RecordedEntry> recorded;
  for (const toolkit::FolderEntry& entry : toolkit::ListFolder(folder)) {
    const std::wstring upper = toolkit::UpperCase(entry.name);
    const bool isFolder = entry.IsFolder() && !entry.IsLink();
    // A "TEMP" or "DLLCACHE" folder is still kept when its extension (none)
    // is the target's.
    const bool searchedFolder = isFolder && upper != L"DLLCACHE" && upper != L"TEMP";
    if (searchedFolder || ExtractFileExt(entry.name) == targetExt) {
      recorded.push_back({upper, isFolder});
    }
  }
  return recorded;
}

std::wstring FindInTree(const std::wstring& root, const std::wstring& targetName,
                        const std::wstring& targetExt, const MessagePump& processMessages) {
  const std::wstring folder = ExcludeTrailingBackslash(root);
  for (const RecordedEntry& entry : RecordEntries(folder, targetExt)) {
    processMessages();
    if (entry.isFolder) {
      std::wstring result =
          FindInTree(folder + L"\\" + entry.name, targetName, targetExt, processMessages);
      if (!result.empty()) return result;
    } else if (entry.name == targetName) {
      return folder;
    }
  }
  return {};
}

}  // namespace

void ProcessApplicationMessages() {
  toolkit::Application::Current().ProcessMessages();
}

std::wstring FindFileFolder(const std::wstring& root, const std::wstring& fileName,
                            const MessagePump& processMessages) {
  if (root.empty()) return {};
  return FindInTree(root, toolkit::UpperCase(fileName), ExtractFileExt(fileName), processMessages);
}

std::wstring SearchFileFolder(const std::wstring& fileName, PlatformFamily family,
                              const MessagePump& processMessages) {
  std::wstring folder = FindFileFolder(GetWindowsDir(family), fileName, processMessages);
  if (folder.empty()) folder = FindFileFolder(GetProgramFilesDir(), fileName, processMessages);
  return folder;
}

}  // namespace install
