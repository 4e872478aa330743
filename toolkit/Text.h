// Conversion between the programs' Shift-JIS (code page 932) text and the
// UTF-16 text of the W functions, done at every Win32 text call.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace toolkit {

// For texts the programs show and store. Characters code page 932 lacks come
// out as the system's nearest substitute, which is fine for a text but never
// for a path: paths stay UTF-16 (see PathFromText).
std::wstring Widen(std::string_view cp932);
std::string Narrow(std::wstring_view utf16);

// The text in code page 932 only when every character converts exactly (no
// substitute, no best fit): for a text the user gives that must come out as
// typed, such as a song name on a command line. Empty optional otherwise.
std::optional<std::string> NarrowExactly(std::wstring_view utf16);

// The text upper-cased the system's locale-aware way, as names of files are
// compared without regard to case.
std::wstring UpperCase(std::wstring_view text);

// The path that a code page 932 text names (a file or folder name written in
// a script, say), converted exactly. Throws FileError "'<text>' はファイル名と
// して使えません" for bytes that are not valid code page 932 or a zero byte,
// which would otherwise name some other file.
std::wstring PathFromText(std::string_view cp932);

}  // namespace toolkit
