// Path pieces, cut at "\": of code page 932 texts the double-byte aware
// way, and of UTF-16 paths.
#pragma once

#include <string>
#include <string_view>

namespace install {

// True when the last character of the path is a "\" (not the second byte of
// a double-byte character such as "表").
bool HasTrailingBackslash(std::string_view path);

// Appends "\" unless the path already ends in one.
std::string IncludeTrailingBackslash(std::string_view path);

// Drops a final "\".
std::string ExcludeTrailingBackslash(std::string_view path);

// The text after the last "\" or drive colon.
std::string ExtractFileName(std::string_view path);

// The extension of the file name with its dot ("a.txt" gives ".txt"),
// empty for a name without one.
std::string ExtractFileExt(std::string_view path);

// The text before the last "\", empty for a path without one.
std::string ExtractFileDir(std::string_view path);

// The same rules on UTF-16 paths, where no character hides a "\".
bool HasTrailingBackslash(std::wstring_view path);
std::wstring IncludeTrailingBackslash(std::wstring_view path);
std::wstring ExcludeTrailingBackslash(std::wstring_view path);
std::wstring ExtractFileName(std::wstring_view path);
std::wstring ExtractFileExt(std::wstring_view path);
std::wstring ExtractFileDir(std::wstring_view path);

// True for the root folder of a lettered drive: a letter, ":" and
// optionally "\", in either case ("c:", "C:\").
bool IsDriveRoot(std::string_view path);

}  // namespace install
