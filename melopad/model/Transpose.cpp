#include "melopad/model/Transpose.h"

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

std::optional<std::vector<std::string>> TransposedLines(std::span<const std::string> lines,
                                                        int semitones) {
  std::vector<std::string> moved;
  moved.reserve(lines.size());
  for (const std::string& line : lines) {
    const ScoreCodes codes = ParseScoreLine(line);
    if (!IsNotePitch(codes.pitchCode)) {
      moved.push_back(line);
      continue;
    }
    const int pitch = codes.pitchCode + semitones;
    if (pitch < kLowestPitch || pitch > kHighestPitch) return std::nullopt;
    moved.push_back(ComposeScoreLine(PitchLabel(pitch), LengthIndexOf(codes.lengthCode), pitch));
  }
  return moved;
}

}  // namespace melopad
