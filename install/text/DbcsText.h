// Separator search in code page 932 texts. A Shift-JIS lead byte takes the
// byte after it along, so a second byte that happens to be "\" (0x5C) or "|"
// (0x7C), as in "表" or "ソ", never counts as a separator.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace install {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(char byte);

// Position of the first separator byte at or after `from` that is not the
// second byte of a double-byte character, or npos.
std::size_t FindSeparator(std::string_view text, char separator, std::size_t from = 0);

// Position of the last separator byte that is not a second byte, or npos.
std::size_t FindLastSeparator(std::string_view text, char separator);

// A text cut in two at a separator, the separator itself left out.
struct SplitText {
  std::string head;
  std::string tail;
};

// Cuts at the last separator; without one, head is empty and tail the whole text.
SplitText SplitAtLast(std::string_view text, char separator);

// The text after the first separator; without one, the whole text.
std::string TextAfterFirst(std::string_view text, char separator);

}  // namespace install
