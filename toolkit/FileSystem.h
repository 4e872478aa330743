// Questions about the file system that both programs ask, on UTF-16 paths.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace toolkit {

// The full form of a path (GetFullPathNameW: made absolute against the
// current folder, "/" turned into "\", "." and ".." resolved), or nothing
// when the system cannot form one.
std::optional<std::wstring> FullPath(const std::wstring& path);

// True for an existing file (not a folder).
bool FileExists(const std::wstring& path);

// True for an existing folder (a link to a folder counts).
bool FolderExists(const std::wstring& path);

// True when the path itself is a link (a junction, a symbolic link or any
// other reparse point) rather than a plain file or folder.
bool IsLink(const std::wstring& path);

// True when both paths name one file, whatever way they are spelt (volume
// serial number and file index); false when either cannot be opened.
bool IsSameFile(const std::wstring& first, const std::wstring& second);

struct FolderEntry {
  std::wstring name;
  DWORD attributes = 0;

  bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
};

// The entries of a folder with every attribute, "." and ".." left out, in the
// order the system lists them; empty when the folder cannot be listed.
std::vector<FolderEntry> ListFolder(const std::wstring& folder);

}  // namespace toolkit
