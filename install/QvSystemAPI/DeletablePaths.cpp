#include "install/QvSystemAPI/DeletablePaths.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "install/QvSystemAPI/ProtectedFolders.h"
#include "install/text/Paths.h"
#include "toolkit/FileSystem.h"

namespace install {

namespace {

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

bool IsLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

}  // namespace

bool IsFullyQualified(std::wstring_view path) {
  if (path.size() >= 3 && IsLetter(path[0]) && path[1] == L':' && IsSeparator(path[2])) {
    return true;
  }
  if (path.size() < 3 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return false;
  return path[2] != L'?' && path[2] != L'.';
}

namespace {

bool SameText(std::wstring_view a, std::wstring_view b) {
  return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// "\\server\share" with nothing, or only a backslash, after the share name.
bool IsShareRoot(std::wstring_view full) {
  if (!full.starts_with(L"\\\\")) return false;
  const std::size_t afterServer = full.find(L'\\', 2);
  if (afterServer == std::wstring_view::npos) return true;
  const std::size_t afterShare = full.find(L'\\', afterServer + 1);
  return afterShare == std::wstring_view::npos || afterShare == full.size() - 1;
}

// True when the path is the root of the volume it lies on. A path whose
// volume cannot be told is taken for a root: better to delete nothing.
bool IsVolumeRoot(const std::wstring& full) {
  std::vector<wchar_t> volume(full.size() + MAX_PATH, L'\0');
  if (!::GetVolumePathNameW(full.c_str(), volume.data(), static_cast<DWORD>(volume.size()))) {
    return true;
  }
  return SameText(IncludeTrailingBackslash(full), IncludeTrailingBackslash(volume.data()));
}

}  // namespace

std::optional<std::wstring> DeletablePath(const std::wstring& path) {
  if (!IsFullyQualified(path)) return std::nullopt;
  std::optional<std::wstring> full = toolkit::FullPath(path);
  if (!full || !IsFullyQualified(*full) || IsShareRoot(*full) || IsVolumeRoot(*full)) {
    return std::nullopt;
  }
  return full;
}

std::optional<std::wstring> RemovableFolder(const std::wstring& path) {
  std::optional<std::wstring> full = DeletablePath(path);
  if (!full || IsProtectedFolder(*full)) return std::nullopt;
  return full;
}

}  // namespace install
