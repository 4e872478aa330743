// The text of one row of the score list: where the row's note starts in
// bars, beats and ticks, followed by the labels of its score line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace melopad {

// The decimal text of the number with "0" prepended until it has at least
// `width` characters; a longer number is not shortened.
std::string ZeroPad(std::int64_t number, int width);

// A start tick in the bar structure; every index counts from 0.
struct RowPosition {
  std::int64_t bar;
  // Counted from the start of the melody, not from the start of the bar.
  std::int64_t beat;
  int tickInBeat;
};

// beatsPerBar is 1 or more.
RowPosition RowPositionAt(std::int64_t startTick, int beatsPerBar);

// "CLK:" bar number ":" beat number in the bar ":" tick, numbered for the
// reader from 1 (bar, beat) and 0 (tick): "CLK:001:01:00" for the start.
std::string PositionText(const RowPosition& position, int beatsPerBar);

// The position text, the pitch label right-aligned in 6 bytes and three
// blanks, then three blanks, the length label right-aligned in 8 bytes and
// three blanks. Throws as SplitScoreLine does for a line that is no score line.
std::string ScoreRowText(std::string_view scoreLine, std::int64_t startTick, int beatsPerBar);

}  // namespace melopad
