// Conversion between the programs' Shift-JIS (code page 932) text and the
// UTF-16 text of the W functions, done at every Win32 text call.
#pragma once

#include <string>
#include <string_view>

namespace toolkit {

std::wstring Widen(std::string_view cp932);
std::string Narrow(std::wstring_view utf16);

}  // namespace toolkit
