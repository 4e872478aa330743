#include "install/QvSystemAPI/ProtectedFolders.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <string_view>

#include "install/QvSystemAPI/DeletablePaths.h"
#include "install/text/Paths.h"
#include "toolkit/FileSystem.h"
#include "toolkit/UniqueHandle.h"

namespace install {

namespace {

// Environment variables that name folders of the system or of the user.
constexpr const wchar_t* kFolderVariables[] = {
    L"SystemRoot",
    L"windir",
    L"ProgramFiles",
    L"ProgramFiles(x86)",
    L"ProgramW6432",
    L"CommonProgramFiles",
    L"CommonProgramFiles(x86)",
    L"ProgramData",
    L"ALLUSERSPROFILE",
    L"PUBLIC",
    L"USERPROFILE",
    L"APPDATA",
    L"LOCALAPPDATA",
};

// Keys whose every value names a folder of the system or of a user: the
// shell folders are read here rather than asked of the shell, whose
// queries write the paths they find back into these keys.
constexpr std::string_view kFolderKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
};
constexpr std::string_view kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kProfileListKey =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

std::wstring Expanded(const std::wstring& text) {
  const DWORD size = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (size == 0) return text;
  std::wstring expanded(size, L'\0');
  const DWORD length = ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
  if (length == 0 || length > size) return text;
  expanded.resize(length - 1);
  return expanded;
}

// The text values of an open key, expanded; the others are passed over.
void AddTextValues(HKEY key, std::vector<std::wstring>& folders) {
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = static_cast<DWORD>(std::size(name));
    DWORD type = REG_NONE;
    DWORD size = 0;
    const LSTATUS status =
        ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size);
    if (status == ERROR_NO_MORE_ITEMS) return;
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) continue;
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = size;
    if (::RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()),
                           &read) != ERROR_SUCCESS) {
      continue;
    }
    value.resize(std::wcslen(value.c_str()));
    folders.push_back(Expanded(value));
  }
}

toolkit::UniqueKey OpenForReading(HKEY root, std::string_view path) {
  const std::wstring wide(path.begin(), path.end());
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(root, wide.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return {};
  return toolkit::UniqueKey(raw);
}

void AddKeyValues(HKEY root, std::string_view path, std::vector<std::wstring>& folders) {
  if (const toolkit::UniqueKey key = OpenForReading(root, path)) AddTextValues(key.Get(), folders);
}

// The profiles folder and its named values, and each user's profile.
void AddProfiles(std::vector<std::wstring>& folders) {
  const toolkit::UniqueKey list = OpenForReading(HKEY_LOCAL_MACHINE, kProfileListKey);
  if (!list) return;
  AddTextValues(list.Get(), folders);
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(std::size(name));
    if (::RegEnumKeyExW(list.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      return;
    }
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(list.Get(), name, 0, KEY_READ, &raw) != ERROR_SUCCESS) continue;
    AddTextValues(toolkit::UniqueKey(raw).Get(), folders);
  }
}

using FolderQuery = UINT(WINAPI*)(LPWSTR, UINT);

// Empty when the query fails; an empty path is passed over later.
std::wstring Queried(FolderQuery query) {
  wchar_t path[MAX_PATH + 1] = {};
  const UINT length = query(path, MAX_PATH + 1);
  return length > 0 && length <= MAX_PATH ? std::wstring(path, length) : std::wstring();
}

void AddSystemFolders(std::vector<std::wstring>& folders) {
  const std::wstring windows = Queried(::GetWindowsDirectoryW);
  folders.insert(folders.end(),
                 {windows, windows + L"\\Fonts", Queried(::GetSystemWindowsDirectoryW),
                  Queried(::GetSystemDirectoryW), Queried(::GetSystemWow64DirectoryW)});
  for (const wchar_t* variable : kFolderVariables) {
    folders.push_back(Expanded(std::wstring(L"%") + variable + L"%"));
  }
}

bool StartsWithFolder(const std::wstring& path, const std::wstring& folder) {
  return path.size() > folder.size() + 1 && path[folder.size()] == L'\\' &&
         SamePath(path.substr(0, folder.size()), folder);
}

}  // namespace

std::optional<std::wstring> NormalPath(const std::wstring& path) {
  if (!IsFullyQualified(path)) return std::nullopt;
  std::optional<std::wstring> full = toolkit::FullPath(path);
  if (!full) return std::nullopt;
  const DWORD size = ::GetLongPathNameW(full->c_str(), nullptr, 0);
  if (size > 0) {
    std::wstring longPath(size, L'\0');
    const DWORD length = ::GetLongPathNameW(full->c_str(), longPath.data(), size);
    if (length > 0 && length < size) full = longPath.substr(0, length);
  }
  return ExcludeTrailingBackslash(*full);
}

bool SamePath(const std::wstring& first, const std::wstring& second) {
  return ::CompareStringOrdinal(first.c_str(), static_cast<int>(first.size()), second.c_str(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}

bool LiesInside(const std::wstring& folder, const std::wstring& path) {
  const std::optional<std::wstring> normalFolder = NormalPath(folder);
  const std::optional<std::wstring> normalPath = NormalPath(path);
  return normalFolder && normalPath && StartsWithFolder(*normalPath, *normalFolder);
}

std::vector<std::wstring> ProtectedFolders() {
  std::vector<std::wstring> found;
  AddSystemFolders(found);
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (const std::string_view key : kFolderKeys) AddKeyValues(root, key, found);
  }
  AddKeyValues(HKEY_LOCAL_MACHINE, kCurrentVersionKey, found);
  AddProfiles(found);
  std::vector<std::wstring> folders;
  for (const std::wstring& folder : found) {
    if (std::optional<std::wstring> normal = NormalPath(folder)) folders.push_back(*normal);
  }
  return folders;
}

bool IsProtectedFolder(const std::wstring& folder) {
  const std::optional<std::wstring> normal = NormalPath(folder);
  if (!normal) return true;
  const std::vector<std::wstring> protectedFolders = ProtectedFolders();
  return std::any_of(protectedFolders.begin(), protectedFolders.end(),
                     [&](const std::wstring& each) {
                       return SamePath(each, *normal) || StartsWithFolder(each, *normal);
                     });
}

}  // namespace install
