// Where a [File] entry of the setup script goes: its destination folder from
// the entry's record, and the entry a start-menu entry names, shared by the
// passes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace install {

// The destination folder, with a trailing backslash, of a file entry whose
// record is `record` ("folder|sub-folder|ask|display name"):
//  - an empty first field: the install folder;
//  - "%InstallDir%" in it (any ASCII case): the install folder, "\" and the
//    second field;
//  - "%SearchFileDir%" in it: the folder where an installed copy of
//    `searchName` is found, or nothing when none is found;
//  - any other: the folder variable of "field 1\field 2" expanded, or
//    nothing when that names no folder of its own (not fully qualified).
std::optional<std::wstring> FindDestinationFolder(const std::string& record,
                                                  const std::wstring& installDir,
                                                  const std::wstring& searchName);

// The same, except that nothing gives the install folder: a file is never
// put at the root of the current drive.
std::wstring DestinationFolder(const std::string& record, const std::wstring& installDir,
                               const std::wstring& searchName);

// The [File] key that `key` names, found without regard to case as the
// profile calls find keys; empty when it names none of fileKeys.
std::string FindFileKey(const std::vector<std::string>& fileKeys, const std::string& key);

// The name the user is shown for the entry: the record's fourth field, or
// the file's name when that is empty.
std::string DisplayName(const std::string& record, const std::string& fileName);

}  // namespace install
