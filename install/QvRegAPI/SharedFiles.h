// The system's count of shared files: HKEY_LOCAL_MACHINE's
// "Software\Microsoft\Windows\CurrentVersion\SharedDLLs", whose value names
// are the full paths of files several programs use. The names are paths, so
// they are kept in UTF-16.
#pragma once

#include <string>
#include <vector>

namespace install {

inline constexpr wchar_t kSharedFilesKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// The value names of the key; none when it is missing or cannot be read.
std::vector<std::wstring> ReadSharedFileNames();

// Deletes the value named after the file; a missing value or key is ignored.
void ForgetSharedFile(const std::wstring& path);

}  // namespace install
