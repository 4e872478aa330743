#include "melopad/model/RowText.h"

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

namespace {

constexpr int kBarDigits = 3;
constexpr int kBeatDigits = 2;
constexpr int kTickDigits = 2;
constexpr std::size_t kPitchColumn = 6;
constexpr std::size_t kLengthColumn = 8;
constexpr std::string_view kColumnGap = "   ";

// Right-aligned in a column of `width` bytes (Shift-JIS bytes, as a printf
// "%*s" counts them); a longer label keeps all its bytes.
std::string RightAligned(std::string_view label, std::size_t width) {
  std::string text(width > label.size() ? width - label.size() : 0, ' ');
  text += label;
  return text;
}

}  // namespace

std::string ZeroPad(std::int64_t number, int width) {
  std::string text = std::to_string(number);
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  }
  return text;
}

RowPosition RowPositionAt(std::int64_t startTick, int beatsPerBar) {
  return RowPosition{startTick / (std::int64_t{kTicksPerBeat} * beatsPerBar),
                     startTick / kTicksPerBeat, static_cast<int>(startTick % kTicksPerBeat)};
}

std::string PositionText(const RowPosition& position, int beatsPerBar) {
  std::string text = "CLK:";
  text += ZeroPad(position.bar + 1, kBarDigits);
  text += ':';
  text += ZeroPad(position.beat % beatsPerBar + 1, kBeatDigits);
  text += ':';
  text += ZeroPad(position.tickInBeat, kTickDigits);
  return text;
}

std::string ScoreRowText(std::string_view scoreLine, std::int64_t startTick, int beatsPerBar) {
  const ScoreLineParts parts = SplitScoreLine(scoreLine);
  std::string text = PositionText(RowPositionAt(startTick, beatsPerBar), beatsPerBar);
  text += RightAligned(parts.pitchLabel, kPitchColumn);
  text += kColumnGap;
  text += kColumnGap;
  text += RightAligned(parts.lengthLabel, kLengthColumn);
  text += kColumnGap;
  return text;
}

}  // namespace melopad
