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
  if (text.empty()) return false;
  return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                     SameIgnoringAsciiCase) != text.end();
}

}  // namespace install
