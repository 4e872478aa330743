// Shell link files (".lnk") for the start-menu entries of the setup script:
// in a program group of the start menu, on the desktop, in Startup or in
// Send To. All texts are code page 932.
#pragma once

#include <string>

#include "install/QvSystemAPI/SystemFolders.h"

namespace install {

// The folder a link's program starts in: the target's folder without
// trailing backslash, or the drive's root with it ("C:\") for a file in a
// drive's root.
std::string WorkingFolderOf(const std::string& target);

// The folder a link of this kind goes into: the shell folder itself for the
// desktop, Startup and Send To, the group below it for the other kinds.
std::string ShortcutFolder(const std::string& group, int kind,
                           PlatformFamily family = RunningPlatformFamily());

// Makes (or overwrites) the link ShortcutFolder\name.lnk that starts target
// with arguments in target's folder, described by name. The group folder is
// created with its missing parents. A link that cannot be saved is not
// reported; a shell link object that cannot be made throws.
void CreateShortcut(const std::string& group, const std::string& name, const std::string& target,
                    int kind, const std::string& arguments,
                    PlatformFamily family = RunningPlatformFamily());

}  // namespace install
