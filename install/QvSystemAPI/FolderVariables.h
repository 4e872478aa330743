// Folder paths of the setup script: a folder variable, a backslash and the
// rest of the path, turned into a folder of this machine. The script's text
// is code page 932; the folder it names is a UTF-16 path.
#pragma once

#include <string>

#include "install/QvSystemAPI/OldVersionSearch.h"
#include "install/QvSystemAPI/SystemFolders.h"

namespace install {

// Expands a folder path. rest is the text after its first backslash
// (the whole text without one). The whole path is searched, without
// regard to ASCII case, for "%WINDIR%", "%SYSTEMDIR%", "%PROGRAMFILESDIR%",
// "%DOSCOMMANDDIR%", "%SYSTEMROOTDIR%", "%ABSOLUTE%", "%REGISTRY%" and
// "%SEARCHFILEDIR%" in this order; the first found decides:
// the Windows, system, Program Files or DOS command folder, "\" and rest; the
// system root (which ends in "\") and rest; rest alone; the registry string
// value that rest names ("HKEY_...\key path\value name"); the folder of the
// old version of the file rest. Without any variable the result is rest.
// rest becomes part of a path exactly as written: text that is not valid code
// page 932 throws toolkit::FileError (see toolkit::PathFromText).
std::wstring ExpandFolderVariable(const std::string& folderPath,
                                  PlatformFamily family = RunningPlatformFamily(),
                                  const MessagePump& processMessages = ProcessApplicationMessages);

// The string value that "root name\key path\value name" names, or empty when
// it cannot be read for any reason. Root names other than HKEY_LOCAL_MACHINE,
// HKEY_CLASSES_ROOT and HKEY_CURRENT_USER read from HKEY_CURRENT_CONFIG.
std::wstring ReadRegistryVariable(const std::string& rest);

}  // namespace install
