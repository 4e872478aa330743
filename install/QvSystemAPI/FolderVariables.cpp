#include "install/QvSystemAPI/FolderVariables.h"

#include <cstddef>

#include "install/QvRegAPI/Registry.h"
#include "install/text/ContainsText.h"
#include "install/text/DbcsText.h"
#include "toolkit/Text.h"

namespace install {

namespace {

int RootNumberOf(const std::string& rootName) {
  if (ContainsText("HKEY_LOCAL_MACHINE", rootName)) return kRootLocalMachine;
  if (ContainsText("HKEY_CLASSES_ROOT", rootName)) return kRootClassesRoot;
  if (ContainsText("HKEY_CURRENT_USER", rootName)) return kRootCurrentUser;
  return kRootCurrentConfig;
}

}  // namespace

// The value is a folder, so it is read in UTF-16 as the registry keeps it.
std::wstring ReadRegistryVariable(const std::string& rest) {
  const std::size_t firstBackslash = FindSeparator(rest, '\\');
  const std::string rootName =
      firstBackslash == std::string::npos ? rest : rest.substr(0, firstBackslash);
  // Without a backslash the remainder is a value name of the root key itself.
  const SplitText keyAndValue = SplitAtLast(TextAfterFirst(rest, '\\'), '\\');
  Registry registry(RootKeyForNumber(RootNumberOf(rootName)), KEY_READ);
  if (!registry.OpenKey(keyAndValue.head, false) || !registry.ValueExists(keyAndValue.tail)) {
    return {};
  }
  try {
    return registry.ReadWideString(keyAndValue.tail);
  } catch (const RegistryError&) {
    return {};
  }
}

std::wstring ExpandFolderVariable(const std::string& folderPath, PlatformFamily family,
                                  const MessagePump& processMessages) {
  const std::string rest = TextAfterFirst(folderPath, '\\');
  const auto path = [&rest] { return toolkit::PathFromText(rest); };
  if (ContainsText("%WINDIR%", folderPath)) return GetWindowsDir(family) + L"\\" + path();
  if (ContainsText("%SYSTEMDIR%", folderPath)) return GetSystemDir(family) + L"\\" + path();
  if (ContainsText("%PROGRAMFILESDIR%", folderPath)) return GetProgramFilesDir() + L"\\" + path();
  if (ContainsText("%DOSCOMMANDDIR%", folderPath)) {
    return GetDosCommandDir(family) + L"\\" + path();
  }
  if (ContainsText("%SYSTEMROOTDIR%", folderPath)) return GetSystemRootDir(family) + path();
  if (ContainsText("%ABSOLUTE%", folderPath)) return path();
  if (ContainsText("%REGISTRY%", folderPath)) return ReadRegistryVariable(rest);
  if (ContainsText("%SEARCHFILEDIR%", folderPath)) {
    return SearchFileFolder(path(), family, processMessages);
  }
  return path();
}

}  // namespace install
