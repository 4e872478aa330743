// The installer's file system work: copying a file with its time stamp, the
// DOS time stamp of a file, nested folder creation and the deletion of an
// installed folder tree that keeps chosen file types. Paths are UTF-16; every
// path deleted or replaced here passes DeletablePath first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace install {

// A file's last-write time in local time at DOS resolution (two seconds),
// packed as the DOS date in the high and the DOS time in the low 16 bits, so
// later times compare greater.
using FileDateTime = std::int64_t;

// The time stamp of a file. Throws toolkit::FileError "'<path>' の日付が不正で
// す" when the file has no readable time stamp (for instance when it does not
// exist).
FileDateTime GetFileDateTime(const std::wstring& fileName);

// The block moves of a copy: a read fills the buffer and gives the number of
// bytes read, false when the read fails; a write gives the number of bytes
// written. Tests put failing ones in place.
struct BlockTransfer {
  std::function<bool(HANDLE file, std::span<std::uint8_t> buffer, DWORD& read)> read;
  std::function<DWORD(HANDLE file, std::span<const std::uint8_t> block)> write;
};

// ReadFile and WriteFile; a failed write counts as nothing written.
BlockTransfer SystemBlockTransfer();

// Copies source to dest. When dest is an existing folder or does not exist at
// all, the source's file name is appended to it; only an existing file is
// replaced as it is. The copy is written beside the destination and replaces
// it only once complete, with the source's last-write time at DOS resolution;
// a file copied onto itself is left as it is. Throws toolkit::FileError
// "ファイル <source> は開けません" when the source cannot be opened or read, and
// "ファイル <destination> を作成できません" with the full destination path when
// the destination may not be replaced, cannot be created or a block is
// written short (a full disk); on any failure the destination is as before.
void CopyFileTo(const std::wstring& source, const std::wstring& dest);
void CopyFileTo(const std::wstring& source, const std::wstring& dest,
                const BlockTransfer& transfer);

// Creates the folder and all its missing parents; a failure stops quietly.
// True when the folder exists afterwards.
bool ForceFolders(const std::wstring& path);

// Removes an empty folder (or a link to a folder, never what it points at);
// false when it is missing, not empty, in use, or may not be removed (see
// RemovableFolder).
bool RemoveEmptyFolder(const std::wstring& path);

// Deletes one file; false when it is missing, read-only, in use or may not be
// deleted.
bool DeleteFileAt(const std::wstring& path);

// Deletes everything in the folder tree and then the folder itself. With
// useKeepList, entries whose upper-cased extension (with its dot, empty for a
// name without one) is in keepList are left alone, files and folders alike,
// and so are the folders above them; so are the files of keptFiles (full
// paths). A folder that may not be removed (a drive's or share's root, a
// relative path, a protected folder of the system or one above it) is left
// whole. Links (junctions, symbolic links) are removed themselves; what they
// point at is never entered. Nothing is reported: what cannot be deleted
// stays.
void DeleteFolderTree(const std::wstring& folder, const std::vector<std::string>& keepList,
                      bool useKeepList, const std::vector<std::wstring>& keptFiles = {});

}  // namespace install
