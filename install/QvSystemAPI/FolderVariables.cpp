#include "install/QvSystemAPI/FolderVariables.h"

#include <cstddef>
#include <exception>

#include "install/QvRegAPI/QvRegAPI.h"
#include "install/QvRegAPI/Registry.h"
#include "install/text/ContainsText.h"
#include "install/text/DbcsText.h"

namespace install {

std::string ReadRegistryVariable(const std::string& rest) {
  try {
    const std::size_t firstBackslash = FindSeparator(rest, '\\');
    const std::string rootName =
        firstBackslash == std::string::npos ? rest : rest.substr(0, firstBackslash);
    const std::string remainder = TextAfterFirst(rest, '\\');
    // Without a backslash the remainder is a value name of the root key itself.
    const SplitText keyAndValue = SplitAtLast(remainder, '\\');
    const SplitText parentAndLast = SplitAtLast(keyAndValue.head, '\\');
    int rootNumber = kRootCurrentConfig;
    if (ContainsText("HKEY_LOCAL_MACHINE", rootName)) {
      rootNumber = kRootLocalMachine;
    } else if (ContainsText("HKEY_CLASSES_ROOT", rootName)) {
      rootNumber = kRootClassesRoot;
    } else if (ContainsText("HKEY_CURRENT_USER", rootName)) {
      rootNumber = kRootCurrentUser;
    }
    return ReadRegString(rootNumber, parentAndLast.head, parentAndLast.tail, keyAndValue.tail, "");
  } catch (const std::exception&) {
    return {};
  }
}

std::string ExpandFolderVariable(const std::string& folderPath, PlatformFamily family,
                                 const MessagePump& processMessages) {
  const std::string rest = TextAfterFirst(folderPath, '\\');
  if (ContainsText("%WINDIR%", folderPath)) return GetWindowsDir(family) + "\\" + rest;
  if (ContainsText("%SYSTEMDIR%", folderPath)) return GetSystemDir(family) + "\\" + rest;
  if (ContainsText("%PROGRAMFILESDIR%", folderPath)) return GetProgramFilesDir() + "\\" + rest;
  if (ContainsText("%DOSCOMMANDDIR%", folderPath)) return GetDosCommandDir(family) + "\\" + rest;
  if (ContainsText("%SYSTEMROOTDIR%", folderPath)) return GetSystemRootDir(family) + rest;
  if (ContainsText("%ABSOLUTE%", folderPath)) return rest;
  if (ContainsText("%REGISTRY%", folderPath)) return ReadRegistryVariable(rest);
  if (ContainsText("%SEARCHFILEDIR%", folderPath)) {
    return SearchFileFolder(rest, family, processMessages);
  }
  return rest;
}

}  // namespace install
