#include "melopad/model/TickPositions.h"

#include <algorithm>
#include <stdexcept>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

// The sums are extended only as far as asked, so after an edit near the top
// only the lines down to the row being drawn are parsed again.
std::int64_t TickPositions::StartTick(const std::vector<std::string>& lines, int row) {
  if (row < 0 || static_cast<std::size_t>(row) > lines.size()) {
    throw std::out_of_range("no score line at this row");
  }
  const auto wanted = static_cast<std::size_t>(row);
  while (starts_.size() <= wanted) {
    const std::size_t above = starts_.size() - 1;
    starts_.push_back(starts_.back() + LengthTicks(ParseScoreLine(lines[above]).lengthCode));
  }
  return starts_[wanted];
}

// The start of the changed row itself depends only on the rows above it,
// which are unchanged, so it is kept.
void TickPositions::ChangedFrom(int row) {
  const auto kept = static_cast<std::size_t>(std::max(row, 0)) + 1;
  if (starts_.size() > kept) starts_.resize(kept);
}

void TickPositions::Clear() {
  starts_.assign(1, 0);
}

}  // namespace melopad
