#include "install/text/IntegerText.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace install {

namespace {

// Parses all of text with from_chars; nothing else may follow the number.
template <typename Number>
std::optional<Number> ParseWhole(std::string_view text, int base) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// The digits after the prefix carry no sign of their own.
std::optional<int> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.front() == '-' || digits.front() == '+') return std::nullopt;
  const auto value = ParseWhole<std::uint32_t>(digits, 16);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::optional<int> ParseDecimal(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return ParseWhole<std::int32_t>(text, 10);
}

}  // namespace

int ParseInteger(std::string_view text, int defaultValue) {
  if (text.starts_with('$')) return ParseHex(text.substr(1)).value_or(defaultValue);
  if (text.starts_with("0x") || text.starts_with("0X")) {
    return ParseHex(text.substr(2)).value_or(defaultValue);
  }
  return ParseDecimal(text).value_or(defaultValue);
}

}  // namespace install
