#include "install/text/Fields.h"

#include <cstddef>

#include "install/text/DbcsText.h"
#include "install/text/IntegerText.h"

namespace install {

namespace {

constexpr auto npos = std::string_view::npos;

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
  return ParseInteger(GetField(record, separator, n), defaultValue);
}

}  // namespace install
