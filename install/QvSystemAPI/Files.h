// The installer's file system work: copying a file with its time stamp, the
// DOS time stamp of a file, nested folder creation and the deletion of an
// installed folder tree that keeps chosen file types. Paths are code page 932.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace install {

// A file's last-write time in local time at DOS resolution (two seconds),
// packed as the DOS date in the high and the DOS time in the low 16 bits, so
// later times compare greater.
using FileDateTime = std::int64_t;

// The time stamp of a file. Throws std::runtime_error when the file has no
// readable time stamp (for instance when it does not exist).
FileDateTime GetFileDateTime(std::string_view fileName);

// Writes one block to an open file and gives the number of bytes written.
using BlockWriter = std::function<DWORD(HANDLE file, std::span<const std::uint8_t> block)>;

// Writes with WriteFile; a failed write counts as nothing written.
DWORD WriteBlock(HANDLE file, std::span<const std::uint8_t> block);

// Copies source to dest. When dest is an existing folder or does not exist at
// all, the source's file name is appended to it; only an existing file is
// replaced as it is. The copy gets the source's last-write time at DOS
// resolution. Throws std::runtime_error "ファイル <source> は開けません" when the
// source cannot be opened, and "ファイル <destination> を作成できません" with the
// full destination path when the destination cannot be created or a block is
// written short (a full disk); then the partial destination is removed.
void CopyFileTo(std::string_view source, std::string_view dest);
// The same, writing every block through write.
void CopyFileTo(std::string_view source, std::string_view dest, const BlockWriter& write);

// True when the path names an existing folder.
bool FolderExists(std::string_view path);

// Creates the folder and all its missing parents; a failure stops quietly.
// True when the folder exists afterwards.
bool ForceFolders(std::string_view path);

// Removes an empty folder; false when it is missing, not empty or in use.
bool RemoveEmptyFolder(std::string_view path);

// Deletes one file; false when it is missing, read-only or in use.
bool DeleteFileAt(std::string_view path);

// Deletes everything in the folder tree and then the folder itself. With
// useKeepList, entries whose upper-cased extension (with its dot, empty for a
// name without one) is in keepList are left alone, files and folders alike,
// and so are the folders above them. A drive's root folder is never emptied.
// Links (junctions, symbolic links) inside the tree are removed themselves;
// what they point at is never entered. Nothing is reported: what cannot be
// deleted stays.
void DeleteFolderTree(std::string_view folder, const std::vector<std::string>& keepList,
                      bool useKeepList);

}  // namespace install
