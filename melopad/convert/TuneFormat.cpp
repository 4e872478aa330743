#include "melopad/convert/TuneFormat.h"

#include <string>
#include <type_traits>

namespace melopad {

// The extension lower-cased as ASCII; other characters stand as '?', which
// no known extension holds.
std::optional<TuneFormat> TuneFormatOf(const std::filesystem::path& path) {
  const std::filesystem::path given = path.extension();
  std::string extension;
  for (auto c : given.native()) {
    const auto code = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<decltype(c)>>(c));
    extension += (code >= 'A' && code <= 'Z') ? static_cast<char>(code - 'A' + 'a')
                 : code < 0x80                ? static_cast<char>(code)
                                              : '?';
  }
  if (extension == ".als") return TuneFormat::kAls;
  if (extension == ".mid" || extension == ".midi") return TuneFormat::kMidi;
  if (extension == ".txt" || extension == ".rtttl") return TuneFormat::kRtttl;
  if (extension == ".wav") return TuneFormat::kWav;
  return std::nullopt;
}

bool LooksLikeMidiFile(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 'M' && bytes[1] == 'T' && bytes[2] == 'h' &&
         bytes[3] == 'd';
}

}  // namespace melopad
