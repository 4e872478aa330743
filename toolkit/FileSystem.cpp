#include "toolkit/FileSystem.h"

#include "toolkit/UniqueHandle.h"

namespace toolkit {

namespace {

DWORD AttributesOf(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str());
}

// The volume and index that identify an open file.
bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& identity) {
  // No access is asked for: a file that others hold open still tells who it is.
  const UniqueFile file(::CreateFileW(path.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file && ::GetFileInformationByHandle(file.Get(), &identity);
}

}  // namespace

std::optional<std::wstring> FullPath(const std::wstring& path) {
  const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::nullopt;
  std::wstring full(size, L'\0');
  const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return std::nullopt;
  full.resize(length);
  return full;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsLink(const std::wstring& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool IsSameFile(const std::wstring& first, const std::wstring& second) {
  BY_HANDLE_FILE_INFORMATION a{};
  BY_HANDLE_FILE_INFORMATION b{};
  return FileIdentity(first, a) && FileIdentity(second, b) &&
         a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

std::vector<FolderEntry> ListFolder(const std::wstring& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle search(::FindFirstFileW((folder + L"\\*.*").c_str(), &found));
  if (!search) return entries;
  do {
    const std::wstring_view name(found.cFileName);
    if (name == L"." || name == L"..") continue;
    entries.push_back({std::wstring(name), found.dwFileAttributes});
  } while (::FindNextFileW(search.Get(), &found));
  return entries;
}

}  // namespace toolkit
