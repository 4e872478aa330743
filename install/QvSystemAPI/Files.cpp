#include "install/QvSystemAPI/Files.h"

#include <algorithm>
#include <optional>

#include "install/QvSystemAPI/DeletablePaths.h"
#include "install/QvSystemAPI/ProtectedFolders.h"
#include "install/text/Paths.h"
#include "toolkit/FileError.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace install {

namespace {

constexpr DWORD kCopyBlockSize = 8192;

bool IsKept(const std::wstring& name, const std::vector<std::string>& keepList) {
  const std::wstring extension = toolkit::UpperCase(ExtractFileExt(name));
  return std::any_of(keepList.begin(), keepList.end(), [&](const std::string& kept) {
    return toolkit::UpperCase(toolkit::Widen(kept)) == extension;
  });
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

// Only an existing file is the destination itself; a folder, or a path whose
// attributes cannot be read, gets the source's name appended.
std::wstring DestinationFile(const std::wstring& source, const std::wstring& dest) {
  const std::wstring target = toolkit::FullPath(dest).value_or(dest);
  if (toolkit::FileExists(target)) return target;
  return IncludeTrailingBackslash(target) + ExtractFileName(source);
}

// Moves the blocks into the new file until the first short read.
void CopyBlocks(const std::wstring& source, HANDLE input, const std::wstring& target, HANDLE output,
                const BlockTransfer& transfer) {
  std::vector<std::uint8_t> buffer(kCopyBlockSize);
  for (;;) {
    DWORD read = 0;
    if (!transfer.read(input, buffer, read)) throw toolkit::FileError::CannotOpen(source);
    // A short write means the disk is full or the file cannot take more.
    if (read > 0 && transfer.write(output, std::span(buffer.data(), read)) != read) {
      throw toolkit::FileError::CannotCreate(target);
    }
    if (read < kCopyBlockSize) return;
  }
}

// What a tree deletion leaves: the types of the keep-list, and single files.
struct TreeKeeping {
  const std::vector<std::string>& keepList;
  bool useKeepList;
  const std::vector<std::wstring>& keptFiles;
};

bool IsKeptFile(const std::wstring& path, const std::vector<std::wstring>& keptFiles) {
  return std::any_of(keptFiles.begin(), keptFiles.end(),
                     [&](const std::wstring& kept) { return SamePath(kept, path); });
}

bool RemoveFolderAt(const std::wstring& path) {
  const std::optional<std::wstring> folder = DeletablePath(path);
  return folder && ::RemoveDirectoryW(folder->c_str()) != 0;
}

// Below a removable folder nothing is a protected folder or above one, so
// the tree's own folders pass the plain gate.
void DeleteTreeBelow(const std::wstring& folder, const TreeKeeping& keeping) {
  const std::optional<std::wstring> deletable = DeletablePath(folder);
  if (!deletable) return;
  const std::wstring root = ExcludeTrailingBackslash(*deletable);
  if (toolkit::IsLink(root)) {
    RemoveFolderAt(root);
    return;
  }
  // The names of this level first, so deleting does not disturb the listing.
  for (const toolkit::FolderEntry& entry : toolkit::ListFolder(root)) {
    const std::wstring path = root + L"\\" + entry.name;
    if (keeping.useKeepList && IsKept(entry.name, keeping.keepList)) continue;
    if (entry.IsFolder() && !entry.IsLink()) {
      DeleteTreeBelow(path, keeping);
    } else if (entry.IsFolder()) {
      // A link itself goes; what it points at is never entered.
      RemoveFolderAt(path);
    } else if (!IsKeptFile(path, keeping.keptFiles)) {
      DeleteFileAt(path);
    }
  }
  RemoveFolderAt(root);
}

}  // namespace

FileDateTime GetFileDateTime(const std::wstring& fileName) {
  const toolkit::UniqueFile file(
      ::CreateFileW(fileName.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  WORD date = 0;
  WORD time = 0;
  if (!file || !ReadDosTime(file.Get(), date, time)) {
    throw toolkit::FileError("'%s' の日付が不正です", fileName);
  }
  return (static_cast<FileDateTime>(date) << 16) | time;
}

BlockTransfer SystemBlockTransfer() {
  return {
      [](HANDLE file, std::span<std::uint8_t> buffer, DWORD& read) {
        return ::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) !=
               0;
      },
      [](HANDLE file, std::span<const std::uint8_t> block) {
        DWORD written = 0;
        if (!::WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr)) {
          return DWORD{0};
        }
        return written;
      },
  };
}

void CopyFileTo(const std::wstring& source, const std::wstring& dest) {
  CopyFileTo(source, dest, SystemBlockTransfer());
}

void CopyFileTo(const std::wstring& source, const std::wstring& dest,
                const BlockTransfer& transfer) {
  const std::wstring target = DestinationFile(source, dest);
  const std::optional<std::wstring> replaceable = DeletablePath(target);
  if (!replaceable) throw toolkit::FileError::CannotCreate(target);
  // Installing a package into its own folder copies files onto themselves:
  // they are in place already, and replacing one would read what is being
  // replaced.
  if (toolkit::IsSameFile(source, *replaceable)) return;

  const toolkit::UniqueFile input(::CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                nullptr));
  if (!input) throw toolkit::FileError::CannotOpen(source);
  toolkit::ReplacementFile output(*replaceable);
  WORD date = 0;
  WORD time = 0;
  const bool hasTime = ReadDosTime(input.Get(), date, time);
  CopyBlocks(source, input.Get(), target, output.Handle(), transfer);
  if (hasTime) WriteDosTime(output.Handle(), date, time);
  output.Commit();
}

bool ForceFolders(const std::wstring& path) {
  const std::wstring folder = ExcludeTrailingBackslash(path);
  if (folder.size() < 3 || toolkit::FolderExists(folder)) return toolkit::FolderExists(folder);
  const std::wstring parent = ExtractFileDir(folder);
  // A root is its own parent: nothing above it to create.
  if (parent == folder) return false;
  if (!parent.empty() && !ForceFolders(parent)) return false;
  return ::CreateDirectoryW(folder.c_str(), nullptr) != 0;
}

bool RemoveEmptyFolder(const std::wstring& path) {
  const std::optional<std::wstring> folder = RemovableFolder(path);
  return folder && ::RemoveDirectoryW(folder->c_str()) != 0;
}

bool DeleteFileAt(const std::wstring& path) {
  const std::optional<std::wstring> file = DeletablePath(path);
  return file && ::DeleteFileW(file->c_str()) != 0;
}

void DeleteFolderTree(const std::wstring& folder, const std::vector<std::string>& keepList,
                      bool useKeepList, const std::vector<std::wstring>& keptFiles) {
  if (RemovableFolder(folder)) DeleteTreeBelow(folder, {keepList, useKeepList, keptFiles});
}

}  // namespace install
