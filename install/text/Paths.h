// Path pieces of code page 932 paths, cut at "\" the double-byte aware way.
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

// True for the root folder of a lettered drive: a letter, ":" and
// optionally "\", in either case ("c:", "C:\").
bool IsDriveRoot(std::string_view path);

}  // namespace install
