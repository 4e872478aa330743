// Any lines shown in the score list: every row's start tick is the lengths
// above it added up, and its row text is made, or the line is refused with
// the documented exceptions. The first byte picks the beats per bar.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "melopad/model/Notes.h"
#include "melopad/model/RowText.h"
#include "melopad/model/ScoreLine.h"
#include "melopad/model/TickPositions.h"

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int beatsPerBar = 1 + data[0] % 8;
  const std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  melopad::TickPositions positions;
  std::int64_t expected = 0;
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    const std::string& line = lines[static_cast<std::size_t>(row)];
    if (positions.StartTick(lines, row) != expected) __builtin_trap();
    try {
      const std::string text = melopad::ScoreRowText(line, expected, beatsPerBar);
      if (text.empty()) __builtin_trap();
      expected += melopad::LengthTicks(melopad::ParseScoreLine(line).lengthCode);
    } catch (const std::invalid_argument&) {
      return 0;  // no score line: the rows below it have no start
    } catch (const std::out_of_range&) {
      return 0;  // no length code
    }
  }
  if (positions.StartTick(lines, static_cast<int>(lines.size())) != expected) __builtin_trap();
  return 0;
}
