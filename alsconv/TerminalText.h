// On systems other than Windows the terminal speaks the locale's encoding
// (UTF-8, nearly always), while every text of the converter is code page
// 932, the encoding the handset's song names are stored in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace alsconv {

// The locale's encoding as iconv names it; UTF-8 for the plain C locale,
// whose ASCII could show none of the converter's messages.
std::string TerminalEncoding();

// The text converted exactly, or none when some character has no place in
// the target encoding (or the text is not valid in its own).
std::optional<std::string> ConvertExactly(std::string_view text, const std::string& from,
                                          const std::string& to);

// The text converted with "?" for each character that does not convert: for
// messages only, never for what is stored.
std::string ConvertForDisplay(std::string_view text, const std::string& from,
                              const std::string& to);

inline constexpr char kTextEncoding[] = "CP932";

}  // namespace alsconv
