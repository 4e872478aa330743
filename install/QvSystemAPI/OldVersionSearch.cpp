#include "install/QvSystemAPI/OldVersionSearch.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "install/text/Paths.h"
#include "toolkit/Application.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace install {

namespace {

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { ::FindClose(handle); }
};
using UniqueFindHandle = toolkit::UniqueHandle<FindHandleTraits>;

// The system's locale-aware upper-casing.
std::string UpperCase(const std::string& text) {
  std::wstring wide = toolkit::Widen(text);
  if (!wide.empty()) ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return toolkit::Narrow(wide);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(toolkit::Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The upper-cased names of the entries of `folder` worth a look, in listing
// order; empty when the folder cannot be listed.
std::vector<std::string> RecordEntries(const std::string& folder, const std::string& targetExt) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle find(::FindFirstFileW(toolkit::Widen(folder + "\\*.*").c_str(), &found));
  if (!find) return names;
  do {
    const std::wstring_view wide(found.cFileName);
    if (wide == L"." || wide == L"..") continue;
    const std::string name = toolkit::Narrow(wide);
    const std::string upper = UpperCase(name);
    // A "TEMP" or "DLLCACHE" folder is still kept when its extension (none)
    // is the target's.
    const bool searchedFolder =
        IsFolder(folder + "\\" + name) && upper != "DLLCACHE" && upper != "TEMP";
    if (searchedFolder || ExtractFileExt(name) == targetExt) names.push_back(upper);
  } while (::FindNextFileW(find.Get(), &found));
  return names;
}

std::string FindInTree(const std::string& root, const std::string& targetName,
                       const std::string& targetExt, const MessagePump& processMessages) {
  const std::string folder = ExcludeTrailingBackslash(root);
  for (const std::string& name : RecordEntries(folder, targetExt)) {
    processMessages();
    const std::string path = folder + "\\" + name;
    if (IsFolder(path)) {
      std::string result = FindInTree(path, targetName, targetExt, processMessages);
      if (!result.empty()) return result;
    } else if (name == targetName) {
      return folder;
    }
  }
  return {};
}

}  // namespace

void ProcessApplicationMessages() {
  toolkit::Application::Current().ProcessMessages();
}

std::string FindFileFolder(const std::string& root, const std::string& fileName,
                           const MessagePump& processMessages) {
  return FindInTree(root, UpperCase(fileName), ExtractFileExt(fileName), processMessages);
}

std::string SearchFileFolder(const std::string& fileName, PlatformFamily family,
                             const MessagePump& processMessages) {
  std::string folder = FindFileFolder(GetWindowsDir(family), fileName, processMessages);
  if (folder.empty()) folder = FindFileFolder(GetProgramFilesDir(), fileName, processMessages);
  return folder;
}

}  // namespace install
