// A UTF-16 text converted to a code page only when the code page holds every
// character of it: no default character, no best-fit look-alike. Paths and
// folders pass through here, where a look-alike would name another file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace install {

// The text in codePage (CP_ACP for the system's ANSI code page), or nothing
// when the conversion is not exact: a character the code page lacks, a zero
// character, or bytes that do not read back as the same text.
std::optional<std::string> NarrowExactly(std::wstring_view text, UINT codePage);

}  // namespace install
