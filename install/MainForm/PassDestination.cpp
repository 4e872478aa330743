#include "install/MainForm/PassDestination.h"

#include <algorithm>

#include "install/QvSystemAPI/DeletablePaths.h"
#include "install/QvSystemAPI/FolderVariables.h"
#include "install/QvSystemAPI/OldVersionSearch.h"
#include "install/text/ContainsText.h"
#include "install/text/Fields.h"
#include "install/text/Paths.h"
#include "toolkit/Text.h"

namespace install {

std::optional<std::wstring> FindDestinationFolder(const std::string& record,
                                                  const std::wstring& installDir,
                                                  const std::wstring& searchName) {
  const std::string folder = GetField(record, '|', 1);
  const std::string subFolder = GetField(record, '|', 2);
  if (folder.empty()) return IncludeTrailingBackslash(installDir);
  if (ContainsText("%InstallDir%", folder)) {
    return IncludeTrailingBackslash(IncludeTrailingBackslash(installDir) +
                                    toolkit::PathFromText(subFolder));
  }
  if (ContainsText("%SearchFileDir%", folder)) {
    const std::wstring found = SearchFileFolder(searchName);
    if (found.empty()) return std::nullopt;
    return IncludeTrailingBackslash(found);
  }
  // A variable that names no folder (a registry value that is missing, say)
  // leaves a path such as "\sub": the current drive's root, never meant.
  const std::wstring expanded = ExpandFolderVariable(folder + "\\" + subFolder);
  if (!IsFullyQualified(expanded)) return std::nullopt;
  return IncludeTrailingBackslash(expanded);
}

std::wstring DestinationFolder(const std::string& record, const std::wstring& installDir,
                               const std::wstring& searchName) {
  return FindDestinationFolder(record, installDir, searchName)
      .value_or(IncludeTrailingBackslash(installDir));
}

std::string FindFileKey(const std::vector<std::string>& fileKeys, const std::string& key) {
  const std::wstring wanted = toolkit::UpperCase(toolkit::Widen(key));
  const auto found = std::find_if(fileKeys.begin(), fileKeys.end(), [&](const std::string& each) {
    return toolkit::UpperCase(toolkit::Widen(each)) == wanted;
  });
  return found == fileKeys.end() ? std::string() : *found;
}

std::string DisplayName(const std::string& record, const std::string& fileName) {
  std::string name = GetField(record, '|', 4);
  return name.empty() ? fileName : name;
}

}  // namespace install
