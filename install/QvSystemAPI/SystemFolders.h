// Where the system's folders lie: the Windows, system, Program Files, DOS
// command and system root folders, and the shell folders by folder kind. Every
// call asks the system or the registry afresh; nothing is cached. Folders are
// UTF-16 paths, as the system and the registry give them.
#pragma once

#include <windows.h>

#include <string>

namespace install {

// The one platform test the installer makes: the NT family (NT, 2000 and
// later) against everything else (95, 98, Me). Passed into the routines whose
// result depends on it, so either family's behaviour can be asked for.
enum class PlatformFamily { kNt, k9x };

// The family of the running system, from the platform identifier of the
// version query.
PlatformFamily RunningPlatformFamily();

// A system folder query in the manner of GetWindowsDirectoryW: fills the
// buffer and returns the length, or zero on failure.
using FolderQuery = UINT (*)(LPWSTR buffer, UINT size);

// Asks `query` with a buffer of 261 characters and takes the text up to its
// first zero; when the query reports failure, or a length that does not fit
// the buffer (it was too small), gives `fallback`.
std::wstring QueryFolder(FolderQuery query, const std::wstring& fallback);

// The Windows folder (asked through `query`, which tests replace); "C:\WINNT" (NT family) or
// "C:\WINDOWS" when the system cannot tell.
std::wstring GetWindowsDir(PlatformFamily family = RunningPlatformFamily(),
                           FolderQuery query = ::GetWindowsDirectoryW);

// The system folder (asked through `query`); "C:\WINNT\System32" (NT family) or "C:\Windows\System"
// when the system cannot tell.
std::wstring GetSystemDir(PlatformFamily family = RunningPlatformFamily(),
                          FolderQuery query = ::GetSystemDirectoryW);

// The value "ProgramFilesDir" of HKEY_LOCAL_MACHINE's
// "Software\Microsoft\Windows\CurrentVersion" as stored, empty when missing.
std::wstring GetProgramFilesDir();

// The folder of the command-line tools: the Windows folder on the NT family,
// its "Command" sub-folder on the 9x family.
std::wstring GetDosCommandDir(PlatformFamily family = RunningPlatformFamily());

// The drive part of the Windows folder ("C:" or "\\server\share") with a
// trailing backslash.
std::wstring GetSystemRootDir(PlatformFamily family = RunningPlatformFamily());

// The drive part of a path: "C:" for a lettered path, "\\server\share" for a
// network path, empty otherwise.
std::wstring ExtractFileDrive(const std::wstring& path);

// Folder kinds: 0 desktop, 1 the start menu's Programs folder, 3 Startup,
// 4 Send To, any other the start menu itself.
inline constexpr int kDesktopFolder = 0;
inline constexpr int kProgramsFolder = 1;
inline constexpr int kStartMenuFolder = 2;
inline constexpr int kStartupFolder = 3;
inline constexpr int kSendToFolder = 4;

// The all-users shell folder of a kind from HKEY_LOCAL_MACHINE's "Shell
// Folders" key; Send To exists per user only, so kind 4 reads the user's.
// Empty when the key or value is missing.
std::wstring GetCommonShellFolder(int kind);

// The user's shell folder of a kind from HKEY_CURRENT_USER's "Shell Folders"
// key, empty when the key or value is missing.
std::wstring GetUserShellFolder(int kind);

// The common folder on the NT family, the user's on the 9x family.
std::wstring GetShellFolder(int kind, PlatformFamily family = RunningPlatformFamily());

}  // namespace install
