#include "install/QvSystemAPI/Files.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>

#include "install/text/DbcsText.h"
#include "install/text/Paths.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace install {

namespace {

constexpr DWORD kCopyBlockSize = 8192;

// Upper-cases ASCII letters, leaving both bytes of double-byte characters as
// they are (a second byte may look like a lower-case letter).
std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    if (IsLeadByte(result[i])) {
      ++i;
    } else if (result[i] >= 'a' && result[i] <= 'z') {
      result[i] = static_cast<char>(result[i] - 'a' + 'A');
    }
  }
  return result;
}

bool IsKept(const std::string& name, const std::vector<std::string>& keepList) {
  const std::string extension = UpperCase(ExtractFileExt(name));
  return std::any_of(keepList.begin(), keepList.end(),
                     [&](const std::string& kept) { return UpperCase(kept) == extension; });
}

std::string FullPath(std::string_view path) {
  const std::wstring wide = toolkit::Widen(path);
  const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::string(path);
  std::wstring full(size, L'\0');
  const DWORD length = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return std::string(path);
  full.resize(length);
  return toolkit::Narrow(full);
}

std::runtime_error OpenError(std::string_view path) {
  return std::runtime_error("ファイル " + std::string(path) + " は開けません");
}

std::runtime_error CreateError(std::string_view path) {
  return std::runtime_error("ファイル " + std::string(path) + " を作成できません");
}

// The last-write time of an open file as local DOS date and time.
bool ReadDosTime(HANDLE file, WORD& date, WORD& time) {
  FILETIME written{};
  FILETIME local{};
  return ::GetFileTime(file, nullptr, nullptr, &written) &&
         ::FileTimeToLocalFileTime(&written, &local) &&
         ::FileTimeToDosDateTime(&local, &date, &time);
}

void WriteDosTime(HANDLE file, WORD date, WORD time) {
  FILETIME local{};
  FILETIME written{};
  if (::DosDateTimeToFileTime(date, time, &local) && ::LocalFileTimeToFileTime(&local, &written)) {
    ::SetFileTime(file, nullptr, nullptr, &written);
  }
}

}  // namespace

FileDateTime GetFileDateTime(std::string_view fileName) {
  const toolkit::UniqueFile file(::CreateFileW(
      toolkit::Widen(fileName).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  WORD date = 0;
  WORD time = 0;
  if (!file || !ReadDosTime(file.Get(), date, time)) {
    throw std::runtime_error("'" + std::string(fileName) + "' の日付が不正です");
  }
  return (static_cast<FileDateTime>(date) << 16) | time;
}

DWORD WriteBlock(HANDLE file, std::span<const std::uint8_t> block) {
  DWORD written = 0;
  if (!::WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr)) {
    return 0;
  }
  return written;
}

void CopyFileTo(std::string_view source, std::string_view dest) {
  CopyFileTo(source, dest, WriteBlock);
}

void CopyFileTo(std::string_view source, std::string_view dest, const BlockWriter& write) {
  // Only an existing file is the destination itself; a folder, or a path
  // whose attributes cannot be read, gets the source's name appended.
  std::string target = FullPath(dest);
  const DWORD attributes = ::GetFileAttributesW(toolkit::Widen(target).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    target = IncludeTrailingBackslash(target) + ExtractFileName(source);
  }

  std::vector<std::uint8_t> buffer(kCopyBlockSize);
  const toolkit::UniqueFile input(::CreateFileW(toolkit::Widen(source).c_str(), GENERIC_READ,
                                                FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!input) throw OpenError(source);
  const std::wstring wideTarget = toolkit::Widen(target);
  toolkit::UniqueFile output(::CreateFileW(wideTarget.c_str(), GENERIC_WRITE, 0, nullptr,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!output) throw CreateError(target);

  WORD date = 0;
  WORD time = 0;
  const bool hasTime = ReadDosTime(input.Get(), date, time);

  // Blocks until the first short read; a short write means the disk is full
  // or the file cannot take more, and a truncated copy must not stay behind.
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(input.Get(), buffer.data(), kCopyBlockSize, &read, nullptr)) read = 0;
    if (read > 0) {
      const DWORD written = write(output.Get(), std::span(buffer.data(), read));
      if (written != read) {
        output.Reset();
        ::DeleteFileW(wideTarget.c_str());
        throw CreateError(target);
      }
    }
    if (read < kCopyBlockSize) break;
  }
  if (hasTime) WriteDosTime(output.Get(), date, time);
}

bool FolderExists(std::string_view path) {
  const DWORD attributes = ::GetFileAttributesW(toolkit::Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ForceFolders(std::string_view path) {
  const std::string folder = ExcludeTrailingBackslash(path);
  if (folder.size() < 3 || FolderExists(folder)) return FolderExists(folder);
  const std::string parent = ExtractFileDir(folder);
  // A root is its own parent: nothing above it to create.
  if (parent == folder) return false;
  if (!parent.empty() && !ForceFolders(parent)) return false;
  return ::CreateDirectoryW(toolkit::Widen(folder).c_str(), nullptr) != 0;
}

bool RemoveEmptyFolder(std::string_view path) {
  return ::RemoveDirectoryW(toolkit::Widen(path).c_str()) != 0;
}

bool DeleteFileAt(std::string_view path) {
  return ::DeleteFileW(toolkit::Widen(path).c_str()) != 0;
}

void DeleteFolderTree(std::string_view folder, const std::vector<std::string>& keepList,
                      bool useKeepList) {
  const std::string root = ExcludeTrailingBackslash(folder);
  if (!IsDriveRoot(root)) {
    // The names of this level first, so deleting does not disturb the listing.
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const HANDLE raw = ::FindFirstFileW(toolkit::Widen(root + "\\*.*").c_str(), &found);
    if (raw != INVALID_HANDLE_VALUE) {
      const toolkit::UniqueHandle<toolkit::NullEmptyTraits<HANDLE, ::FindClose>> search(raw);
      do {
        const std::string name = toolkit::Narrow(found.cFileName);
        if (name == "." || name == "..") continue;
        if (useKeepList && IsKept(name, keepList)) continue;
        names.push_back(name);
      } while (::FindNextFileW(search.Get(), &found));
    }

    for (const std::string& name : names) {
      const std::string path = root + "\\" + name;
      const std::wstring widePath = toolkit::Widen(path);
      // Unreadable attributes count as every attribute: such an entry is
      // treated as a linked folder and only removed when that is possible.
      const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
      const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      const bool isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
      if (isFolder && !isLink) {
        DeleteFolderTree(path, keepList, useKeepList);
        ::RemoveDirectoryW(widePath.c_str());
      } else if (isFolder) {
        // A junction or folder link: remove the link, never what it points at.
        ::RemoveDirectoryW(widePath.c_str());
      } else {
        ::DeleteFileW(widePath.c_str());
      }
    }
    // A drive root is never removed; "C:" alone would name the drive's
    // current folder, so the root is not even tried.
    ::RemoveDirectoryW(toolkit::Widen(root).c_str());
  }
}

}  // namespace install
