// Where each score line starts in ticks: the sum of the lengths of the lines
// above it. The score list asks for it on every row it draws, so the sums are
// kept instead of being added up again for each row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace melopad {

class TickPositions {
 public:
  // The start of the line at `row`; `row` equal to the line count gives the
  // length of the whole melody. Throws std::out_of_range for any other row,
  // and what ParseScoreLine or LengthTicks throw for a line that is no
  // score line.
  std::int64_t StartTick(const std::vector<std::string>& lines, int row);

  // A line was inserted or deleted at `row`: the starts below it are stale.
  void ChangedFrom(int row);
  void Clear();

 private:
  // starts_[i] is the start of line i, known for the lines above the first
  // change; starts_[0] is always 0.
  std::vector<std::int64_t> starts_{0};
};

}  // namespace melopad
