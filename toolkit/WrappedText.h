// Text broken into lines that fit a width, as a label shows it. Lines end
// at every line break (CR LF, LF or a lone CR) and, when the width is full,
// after a space or between characters of Japanese text, which has no spaces
// between its words; a word wider than the whole width is broken where it
// is full.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace toolkit {

// The lines, separated by "\n", measured in the font selected into the
// device context. Spaces at a break are dropped.
std::wstring WrappedText(HDC dc, std::wstring_view text, int width);

// The same text with its line breaks made "\n" and no other change.
std::wstring UnwrappedText(std::wstring_view text);

}  // namespace toolkit
