#include "install/text/ContainsText.h"

#include <algorithm>

namespace install {

namespace {

char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameIgnoringAsciiCase(char a, char b) {
  return AsciiUpper(a) == AsciiUpper(b);
}

}  // namespace

bool ContainsText(std::string_view needle, std::string_view text) {
  return !text.empty() && FindText(needle, text) != std::string_view::npos;
}

std::size_t FindText(std::string_view needle, std::string_view text) {
  const auto found =
      std::search(text.begin(), text.end(), needle.begin(), needle.end(), SameIgnoringAsciiCase);
  if (found == text.end() && !needle.empty()) return std::string_view::npos;
  return static_cast<std::size_t>(found - text.begin());
}

}  // namespace install
