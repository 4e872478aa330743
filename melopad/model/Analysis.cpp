#include "melopad/model/Analysis.h"

#include "melopad/model/ScoreLine.h"
#include "melopad/model/Timing.h"

namespace melopad {

const char* const kUnnamedSongName = "名称未設定";

namespace {

// The file: mark, name start, the name, name end, tempo mark, tempo byte,
// two bytes per line, end byte.
constexpr std::size_t kBytesAroundName = 6;
constexpr std::size_t kBytesPerLine = 2;
// Where the first pair starts, less the name's bytes.
constexpr std::size_t kFirstPairOffset = 5;
// The writer puts one continuation mark in front of the first pair that
// would start at this offset or later.
constexpr std::size_t kContinuationOffset = 249;

}  // namespace

MelodyAnalysis AnalyzeMelody(const Melody& melody) {
  MelodyAnalysis analysis;
  analysis.songName = melody.SongName().empty() ? kUnnamedSongName : melody.SongName();
  analysis.sizeBytes = AlsFileSize(melody);
  analysis.lineCount = melody.Count();
  analysis.playingTimeMs = PlayingTimeMs(melody);
  return analysis;
}

// Pairs start right after the header, so the last one starts furthest on:
// the mark is written when that one would start at the mark's offset or later.
std::size_t AlsFileSize(const Melody& melody) {
  const std::size_t nameBytes = melody.SongName().size();
  const auto lines = static_cast<std::size_t>(melody.Count());
  std::size_t size = kBytesAroundName + nameBytes + kBytesPerLine * lines;
  if (lines > 0) {
    const std::size_t lastPairOffset = kFirstPairOffset + nameBytes + kBytesPerLine * (lines - 1);
    if (lastPairOffset >= kContinuationOffset) ++size;
  }
  return size;
}

// The time the player holds the lines: each line loses its own remainder,
// as the player waits line by line.
std::int64_t PlayingTimeMs(const Melody& melody) {
  std::int64_t total = 0;
  for (const std::string& line : melody.Lines()) {
    total += NoteDurationMs(ParseScoreLine(line).lengthCode, melody.Tempo());
  }
  return total;
}

}  // namespace melopad
