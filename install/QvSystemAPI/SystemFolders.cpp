#include "install/QvSystemAPI/SystemFolders.h"

#include <cstddef>
#include <string_view>

#include "install/QvRegAPI/QvRegAPI.h"
#include "install/QvRegAPI/Registry.h"
#include "install/text/DbcsText.h"
#include "install/text/Paths.h"
#include "toolkit/Text.h"

namespace install {

namespace {

constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Reads a string value of a key without creating the key; empty when the key
// or the value is missing. A value of another type raises the registry
// layer's error.
std::string ReadExistingString(HKEY root, std::string_view key, std::string_view name) {
  Registry registry(root, KEY_READ);
  if (!registry.OpenKey(key, false)) return {};
  if (!registry.ValueExists(name)) return {};
  return registry.ReadString(name);
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
      return "Send to";
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

std::string QueryFolder(FolderQuery query, const std::string& fallback) {
  wchar_t buffer[261] = {};
  if (query(buffer, 261) == 0) return fallback;
  buffer[260] = L'\0';
  return toolkit::Narrow(std::wstring_view(buffer));
}

std::string GetWindowsDir(PlatformFamily family, FolderQuery query) {
  return QueryFolder(query, family == PlatformFamily::kNt ? "C:\\WINNT" : "C:\\WINDOWS");
}

std::string GetSystemDir(PlatformFamily family, FolderQuery query) {
  return QueryFolder(query,
                     family == PlatformFamily::kNt ? "C:\\WINNT\\System32" : "C:\\Windows\\System");
}

std::string GetProgramFilesDir() {
  return ReadExistingString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                            "ProgramFilesDir");
}

std::string GetDosCommandDir(PlatformFamily family) {
  const std::string windows = GetWindowsDir(family);
  return family == PlatformFamily::kNt ? windows : windows + "\\Command";
}

std::string ExtractFileDrive(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // "\\server\share": up to the backslash after the share name.
    const std::size_t afterServer = FindSeparator(path, '\\', 2);
    if (afterServer == std::string::npos) return path;
    const std::size_t afterShare = FindSeparator(path, '\\', afterServer + 1);
    return afterShare == std::string::npos ? path : path.substr(0, afterShare);
  }
  return {};
}

std::string GetSystemRootDir(PlatformFamily family) {
  return IncludeTrailingBackslash(ExtractFileDrive(GetWindowsDir(family)));
}

std::string GetCommonShellFolder(int kind) {
  if (kind == kSendToFolder) return GetUserShellFolder(kind);
  return ReadExistingString(HKEY_LOCAL_MACHINE, kShellFoldersKey, CommonValueName(kind));
}

std::string GetUserShellFolder(int kind) {
  return ReadExistingString(HKEY_CURRENT_USER, kShellFoldersKey, UserValueName(kind));
}

std::string GetShellFolder(int kind, PlatformFamily family) {
  return family == PlatformFamily::kNt ? GetCommonShellFolder(kind) : GetUserShellFolder(kind);
}

}  // namespace install
