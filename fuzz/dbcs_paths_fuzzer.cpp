// Any code page 932 path cut into pieces the double-byte aware way: the
// pieces are parts of the path, no cut falls on the second byte of a
// double-byte character, and the trailing backslash comes and goes cleanly.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "install/text/DbcsText.h"
#include "install/text/Paths.h"

namespace {

// Whether position `at` of the text starts a character (or is the end of the
// text right after a whole one), walking from the start.
bool StartsCharacter(std::string_view text, std::size_t at) {
  std::size_t i = 0;
  while (i < at) i += install::IsLeadByte(text[i]) ? 2 : 1;
  return i == at;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  for (const char separator : {'\\', '|', ':'}) {
    const std::size_t first = install::FindSeparator(path, separator);
    const std::size_t last = install::FindLastSeparator(path, separator);
    if ((first == std::string_view::npos) != (last == std::string_view::npos)) __builtin_trap();
    if (first == std::string_view::npos) continue;
    if (first > last || path[first] != separator || path[last] != separator) __builtin_trap();
    if (!StartsCharacter(path, first) || !StartsCharacter(path, last)) __builtin_trap();
    const install::SplitText split = install::SplitAtLast(path, separator);
    if (split.head + separator + split.tail != path) __builtin_trap();
    if (!EndsWith(path, install::TextAfterFirst(path, separator))) __builtin_trap();
  }
  const std::string name = install::ExtractFileName(path);
  if (!EndsWith(path, name)) __builtin_trap();
  if (!EndsWith(name, install::ExtractFileExt(path))) __builtin_trap();
  if (path.substr(0, install::ExtractFileDir(path).size()) != install::ExtractFileDir(path)) {
    __builtin_trap();
  }
  // Adding a backslash and taking it away again gives the path without one.
  // A text that ends in half a double-byte character is no Shift-JIS text
  // (the conversion to a path refuses it): the backslash added would become
  // that character's second byte.
  if (!StartsCharacter(path, path.size())) return 0;
  const std::string with = install::IncludeTrailingBackslash(path);
  if (!install::HasTrailingBackslash(with)) __builtin_trap();
  const std::string without = install::HasTrailingBackslash(path)
                                  ? install::ExcludeTrailingBackslash(path)
                                  : std::string(path);
  if (install::ExcludeTrailingBackslash(with) != without) __builtin_trap();
  static_cast<void>(install::IsDriveRoot(path));
  return 0;
}
