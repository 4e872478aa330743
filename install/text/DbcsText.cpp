#include "install/text/DbcsText.h"

namespace install {

bool IsLeadByte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

std::size_t FindSeparator(std::string_view text, char separator, std::size_t from) {
  // Walk from the start so that character boundaries are known, whatever `from` is.
  std::size_t i = 0;
  while (i < text.size()) {
    if (i >= from && text[i] == separator) return i;
    i += IsLeadByte(text[i]) ? 2 : 1;
  }
  return std::string_view::npos;
}

std::size_t FindLastSeparator(std::string_view text, char separator) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += IsLeadByte(text[i]) ? 2 : 1) {
    if (text[i] == separator) last = i;
  }
  return last;
}

SplitText SplitAtLast(std::string_view text, char separator) {
  const std::size_t at = FindLastSeparator(text, separator);
  if (at == std::string_view::npos) return {std::string(), std::string(text)};
  return {std::string(text.substr(0, at)), std::string(text.substr(at + 1))};
}

std::string TextAfterFirst(std::string_view text, char separator) {
  const std::size_t at = FindSeparator(text, separator);
  if (at == std::string_view::npos) return std::string(text);
  return std::string(text.substr(at + 1));
}

}  // namespace install
