// The one gate of everything the installer deletes or replaces. It runs with
// an administrator's rights, and its paths come from setup scripts,
// uninstall records and the registry, so a path is only acted on in its full,
// normalised form, and never when it could stand for a whole drive or share;
// a folder is only removed or emptied when it is none of the system's own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace install {

// The full form of a path the installer may delete or replace (GetFullPathNameW:
// "/" becomes "\", "." and ".." are resolved), or nothing for
//  - an empty path, or one that is not fully qualified ("\dir", "Q:", "dir"),
//    which would depend on the current drive or folder;
//  - a device or long-path form ("\\.\", "\\?\");
//  - a volume's root (GetVolumePathNameW; "Q:\", "Q:\sub\..", a mounted
//    folder) or a share's root ("\\server\share").
// Links are no concern of this gate: the operations behind it remove a link
// itself and never follow it.
std::optional<std::wstring> DeletablePath(const std::wstring& path);

// The same for a folder whose tree or emptiness a removal may take: a
// deletable path that is neither a protected folder of the system or its
// users nor above one (see ProtectedFolders.h).
std::optional<std::wstring> RemovableFolder(const std::wstring& path);

// True for "X:\..." and "\\server\share...": a path that names the same place
// whatever the current drive and folder. Device and long-path forms ("\\.\",
// "\\?\") are not counted.
bool IsFullyQualified(std::wstring_view path);

}  // namespace install
