#include "alsconv/TerminalText.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <string_view>

namespace alsconv {

namespace {

// One iconv conversion descriptor for the life of a conversion.
class Converter {
 public:
  Converter(const std::string& from, const std::string& to)
      : descriptor_(::iconv_open(to.c_str(), from.c_str())) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (Valid()) ::iconv_close(descriptor_);
  }
  bool Valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of `input` as it can, appending to `output`; returns
  // false at a character it cannot convert, with `input` left at it.
  bool Convert(std::string_view& input, std::string& output) {
    char buffer[256];
    while (!input.empty()) {
      char* in = const_cast<char*>(input.data());
      std::size_t inLeft = input.size();
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = ::iconv(descriptor_, &in, &inLeft, &out, &outLeft);
      output.append(buffer, static_cast<std::size_t>(out - buffer));
      input.remove_prefix(input.size() - inLeft);
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t descriptor_;
};

}  // namespace

std::string TerminalEncoding() {
  const std::string_view codeset = ::nl_langinfo(CODESET);
  if (codeset.empty() || codeset == "ANSI_X3.4-1968" || codeset == "ASCII") return "UTF-8";
  return std::string(codeset);
}

std::optional<std::string> ConvertExactly(std::string_view text, const std::string& from,
                                          const std::string& to) {
  Converter converter(from, to);
  std::string output;
  if (!converter.Valid() || !converter.Convert(text, output)) return std::nullopt;
  return output;
}

// A byte that does not convert is skipped and shown as "?"; the rest of the
// character it began, if any, follows as further "?"s at worst.
std::string ConvertForDisplay(std::string_view text, const std::string& from,
                              const std::string& to) {
  Converter converter(from, to);
  if (!converter.Valid()) return std::string(text);
  std::string output;
  while (!converter.Convert(text, output)) {
    output += '?';
    text.remove_prefix(1);
  }
  return output;
}

}  // namespace alsconv
