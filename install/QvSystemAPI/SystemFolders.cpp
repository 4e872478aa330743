#include "install/QvSystemAPI/SystemFolders.h"

#include <cstddef>
#include <string_view>

#include "install/QvRegAPI/QvRegAPI.h"
#include "install/QvRegAPI/Registry.h"
#include "install/text/Paths.h"

namespace install {

namespace {

constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Reads a string value of a key without creating the key; empty when the key
// or the value is missing. A value of another type raises the registry
// layer's error.
std::wstring ReadExistingPath(HKEY root, std::string_view key, std::string_view name) {
  Registry registry(root, KEY_READ);
  if (!registry.OpenKey(key, false)) return {};
  if (!registry.ValueExists(name)) return {};
  return registry.ReadWideString(name);
}

std::string_view CommonValueName(int kind) {
  switch (kind) {
    case kDesktopFolder:
      return "Common Desktop";
    case kProgramsFolder:
      return "Common Programs";
    case kStartupFolder:
      return "Common Startup";
    default:
      return "Common Start Menu";
  }
}

std::string_view UserValueName(int kind) {
  switch (kind) {
    case kDesktopFolder:
      return "Desktop";
    case kProgramsFolder:
      return "Programs";
    case kStartupFolder:
      return "Startup";
    case kSendToFolder:
      return "SendTo";
    default:
      return "Start Menu";
  }
}

}  // namespace

PlatformFamily RunningPlatformFamily() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (::GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
    return PlatformFamily::kNt;
  }
  return PlatformFamily::k9x;
}

// The query answers with the length it wrote, or with the size it needs when
// the buffer is too small; only the first is a folder.
std::wstring QueryFolder(FolderQuery query, const std::wstring& fallback) {
  constexpr UINT kBufferLength = 261;
  wchar_t buffer[kBufferLength] = {};
  const UINT length = query(buffer, kBufferLength);
  if (length == 0 || length >= kBufferLength) return fallback;
  buffer[kBufferLength - 1] = L'\0';
  return std::wstring(buffer);
}

std::wstring GetWindowsDir(PlatformFamily family, FolderQuery query) {
  return QueryFolder(query, family == PlatformFamily::kNt ? L"C:\\WINNT" : L"C:\\WINDOWS");
}

std::wstring GetSystemDir(PlatformFamily family, FolderQuery query) {
  return QueryFolder(
      query, family == PlatformFamily::kNt ? L"C:\\WINNT\\System32" : L"C:\\Windows\\System");
}

std::wstring GetProgramFilesDir() {
  return ReadExistingPath(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                          "ProgramFilesDir");
}

std::wstring GetDosCommandDir(PlatformFamily family) {
  const std::wstring windows = GetWindowsDir(family);
  return family == PlatformFamily::kNt ? windows : windows + L"\\Command";
}

std::wstring ExtractFileDrive(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
  if (path.starts_with(L"\\\\")) {
    // "\\server\share": up to the backslash after the share name.
    const std::size_t afterServer = path.find(L'\\', 2);
    if (afterServer == std::wstring::npos) return path;
    const std::size_t afterShare = path.find(L'\\', afterServer + 1);
    return afterShare == std::wstring::npos ? path : path.substr(0, afterShare);
  }
  return {};
}

std::wstring GetSystemRootDir(PlatformFamily family) {
  return IncludeTrailingBackslash(ExtractFileDrive(GetWindowsDir(family)));
}

std::wstring GetCommonShellFolder(int kind) {
  if (kind == kSendToFolder) return GetUserShellFolder(kind);
  return ReadExistingPath(HKEY_LOCAL_MACHINE, kShellFoldersKey, CommonValueName(kind));
}

std::wstring GetUserShellFolder(int kind) {
  return ReadExistingPath(HKEY_CURRENT_USER, kShellFoldersKey, UserValueName(kind));
}

std::wstring GetShellFolder(int kind, PlatformFamily family) {
  return family == PlatformFamily::kNt ? GetCommonShellFolder(kind) : GetUserShellFolder(kind);
}

}  // namespace install
