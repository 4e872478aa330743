// What an uninstall record and the removal share: the record's file name,
// the key of the system's uninstall entries, the record's digest in its
// entry, and the names of the install
// folder the record notes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace install {

inline constexpr wchar_t kUninstallRecordName[] = L"uninst.uis";
inline constexpr char kUninstallEntriesKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
// The value of the uninstall entry that holds the SHA-256 of the record's
// bytes as the installation left them.
inline constexpr char kRecordDigestValue[] = "RecordSha256";

// The entries the pattern "*." finds in folder on Windows, names without a
// dot, files and folders alike, upper-cased the system's locale-aware way,
// in listing order. Wine's listing gives every name for that pattern, so the
// rule is applied here. None when the folder cannot be listed.
std::vector<std::wstring> NoExtensionNames(const std::wstring& folder);

// The code page 932 text of a name or path written into a record, or nothing
// when code page 932 cannot hold it exactly.
std::optional<std::string> RecordText(const std::wstring& text);

}  // namespace install
