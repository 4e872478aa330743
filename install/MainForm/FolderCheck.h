// The install folder the folder page accepts: one that the uninstall record
// can hold and a removal can take again.
#pragma once

#include <cstddef>
#include <string>

namespace install {

// The longest install folder in code page 932 bytes: its record's path,
// the folder and "\uninst.uis", stays within the system's classic path
// length, which the profile calls and folder creation need.
inline constexpr std::size_t kLongestInstallFolder = 248;

// Throws toolkit::FileError naming the folder and saying what to change
// when the folder (trailing backslash or not) is relative, a drive's or
// share's root, a protected folder of the system or one above it, a name
// code page 932 cannot hold, or longer than kLongestInstallFolder.
void CheckInstallFolder(const std::wstring& folder);

}  // namespace install
