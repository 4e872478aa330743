// Case-insensitive substring test used for the folder and install-time
// variables ("%WinDir%" finds "%WINDIR%").
#pragma once

#include <cstddef>
#include <string_view>

namespace install {

// True when some stretch of text equals needle byte for byte, ASCII letters
// compared without regard to case. Not double-byte aware: the bytes of
// double-byte characters are compared as they are. An empty needle is found
// in every non-empty text; an empty text contains nothing.
bool ContainsText(std::string_view needle, std::string_view text);

// Where needle first occurs in text under the same comparison, or npos.
std::size_t FindText(std::string_view needle, std::string_view text);

}  // namespace install
