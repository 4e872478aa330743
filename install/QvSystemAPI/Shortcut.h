// Shell link files (".lnk") for the start-menu entries of the setup script:
// in a program group of the start menu, on the desktop, in Startup or in
// Send To. Group, name and arguments are the script's code page 932 texts;
// the target and the folders are UTF-16 paths.
#pragma once

#include <string>

#include "install/QvSystemAPI/SystemFolders.h"

namespace install {

// The folder a link's program starts in: the target's folder without
// trailing backslash, or the drive's root with it ("C:\") for a file in a
// drive's root.
std::wstring WorkingFolderOf(const std::wstring& target);

// The folder a link of this kind goes into: the shell folder itself for the
// desktop, Startup and Send To, the group below it for the other kinds.
// Throws toolkit::FileError when the shell folder of the kind is not known
// (its registry value is missing or empty), and when the group is not valid
// code page 932.
std::wstring ShortcutFolder(const std::string& group, int kind,
                            PlatformFamily family = RunningPlatformFamily());

// Makes (or overwrites) the link ShortcutFolder\name.lnk that starts target
// with arguments in target's folder, described by name. The group folder is
// created with its missing parents. Throws toolkit::FileError "ファイル <link>
// を作成できません" when the link cannot be made or saved, besides the errors
// of ShortcutFolder.
void CreateShortcut(const std::string& group, const std::string& name, const std::wstring& target,
                    int kind, const std::string& arguments,
                    PlatformFamily family = RunningPlatformFamily());

}  // namespace install
