// The folders of the system and of its users that no removal takes or
// empties, whatever a script or record says: the Windows and system
// folders, Program Files, the all-users data folder, the profiles folder
// and each profile, and the shell folders (desktop, documents, start menu,
// programs, startup, favorites, send to, fonts and the rest), the user's and
// all users'. Asked of the system afresh at every call.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace install {

// The path in the one form paths are compared in: full (".", "..", "/"
// resolved), short names made long where the path exists, no trailing
// backslash. Nothing when the path is not fully qualified.
std::optional<std::wstring> NormalPath(const std::wstring& path);

// True when both name the same place, compared as the system compares
// names, without regard to case.
bool SamePath(const std::wstring& first, const std::wstring& second);

// True when `path` lies below `folder` (not the folder itself).
bool LiesInside(const std::wstring& folder, const std::wstring& path);

// Every protected folder of this system, in normal form.
std::vector<std::wstring> ProtectedFolders();

// True when the folder is a protected folder or lies above one, so that
// removing its tree would take one with it.
bool IsProtectedFolder(const std::wstring& folder);

}  // namespace install
