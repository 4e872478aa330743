#include "install/installsystem/installsystem.h"

#include <windows.h>

#include <string>
#include <vector>

#include "install/QvSystemAPI/Files.h"
#include "install/text/Paths.h"
#include "toolkit/FileSystem.h"

namespace install {

FileVersion GetFileVersion(const std::wstring& fileName) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(fileName.c_str(), &ignored);
  if (size == 0) return FileVersion{};
  std::vector<std::uint8_t> block(size);
  if (!::GetFileVersionInfoW(fileName.c_str(), 0, size, block.data())) return FileVersion{};
  void* root = nullptr;
  UINT rootSize = 0;
  if (!::VerQueryValueW(block.data(), L"\\", &root, &rootSize) || root == nullptr ||
      rootSize < sizeof(VS_FIXEDFILEINFO)) {
    return FileVersion{};
  }
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
  return FileVersionFromWords(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

bool IsNewerVersion(const std::wstring& source, const std::wstring& target) {
  return IsNewerVersion(GetFileVersion(source), GetFileVersion(target));
}

// The copy replaces an existing target only once it is complete, so the old
// file is never deleted ahead of it: a copy that fails leaves it installed.
void InstallFileToFolder(const std::wstring& source, const std::wstring& folder, bool force) {
  const std::wstring dir = IncludeTrailingBackslash(folder);
  const std::wstring target = dir + ExtractFileName(source);
  if (!toolkit::FileExists(target)) {
    if (!toolkit::FolderExists(dir)) ForceFolders(dir);
    CopyFileTo(source, dir);
    return;
  }
  if (IsNewerVersion(source, target)) {
    CopyFileTo(source, dir);
    return;
  }
  // Both time stamps are read even when force decides, so a source without
  // one fails here either way.
  const FileDateTime sourceTime = GetFileDateTime(source);
  const FileDateTime targetTime = GetFileDateTime(target);
  if (force || sourceTime > targetTime) CopyFileTo(source, dir);
}

}  // namespace install
