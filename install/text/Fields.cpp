#include "install/text/Fields.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "install/text/DbcsText.h"

namespace install {

namespace {

constexpr auto npos = std::string_view::npos;

// Parses all of text with from_chars; nothing else may follow the number.
template <typename Number>
std::optional<Number> ParseWhole(std::string_view text, int base) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// "$" and up to eight hexadecimal digits give the 32-bit pattern, so "$FFFFFFFF" is -1.
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

std::optional<int> ParseFieldNumber(std::string_view text) {
  if (!text.empty() && text.front() == '$') return ParseHex(text.substr(1));
  return ParseDecimal(text);
}

}  // namespace

std::string GetField(std::string_view record, char separator, int n) {
  if (n < 1) return std::string();
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    const std::size_t at = FindSeparator(record, separator, start);
    if (at == npos) return std::string();
    start = at + 1;
  }
  const std::size_t end = FindSeparator(record, separator, start);
  return std::string(record.substr(start, end == npos ? npos : end - start));
}

int GetIntField(std::string_view record, char separator, int defaultValue, int n) {
  return ParseFieldNumber(GetField(record, separator, n)).value_or(defaultValue);
}

}  // namespace install
