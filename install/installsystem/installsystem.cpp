#include "install/installsystem/installsystem.h"

#include <windows.h>

#include <string>
#include <vector>

#include "install/QvSystemAPI/Files.h"
#include "install/text/Paths.h"
#include "toolkit/Text.h"

namespace install {

namespace {

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(toolkit::Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

FileVersion GetFileVersion(std::string_view fileName) {
  const std::wstring wide = toolkit::Widen(fileName);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(wide.c_str(), &ignored);
  if (size == 0) return FileVersion{};
  std::vector<std::uint8_t> block(size);
  if (!::GetFileVersionInfoW(wide.c_str(), 0, size, block.data())) return FileVersion{};
  void* root = nullptr;
  UINT rootSize = 0;
  if (!::VerQueryValueW(block.data(), L"\\", &root, &rootSize) || root == nullptr ||
      rootSize < sizeof(VS_FIXEDFILEINFO)) {
    return FileVersion{};
  }
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
  return FileVersionFromWords(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

bool IsNewerVersion(std::string_view source, std::string_view target) {
  return IsNewerVersion(GetFileVersion(source), GetFileVersion(target));
}

void InstallFileToFolder(std::string_view source, std::string_view folder, bool force) {
  const std::string dir = IncludeTrailingBackslash(folder);
  const std::string target = dir + ExtractFileName(source);
  if (!FileExists(target)) {
    if (!FolderExists(dir)) ForceFolders(dir);
    CopyFileTo(source, dir);
    return;
  }
  if (IsNewerVersion(source, target)) {
    DeleteFileAt(target);
    CopyFileTo(source, dir);
    return;
  }
  // Both time stamps are read even when force decides, so a source without
  // one fails here either way.
  const FileDateTime sourceTime = GetFileDateTime(source);
  const FileDateTime targetTime = GetFileDateTime(target);
  if (force || sourceTime > targetTime) {
    DeleteFileAt(target);
    CopyFileTo(source, dir);
  }
}

}  // namespace install
