// The score line: the text form of one note or rest, as the score list holds it.
#pragma once

#include <string>
#include <string_view>

namespace melopad {

struct ScoreCodes {
  int pitchCode;
  int lengthCode;
};

// Splits a line at blanks and reads the third and fourth tokens as decimal numbers.
// Throws std::invalid_argument for a line that does not hold them.
ScoreCodes ParseScoreLine(std::string_view line);

// The whole line split as ParseScoreLine splits it: the first two tokens are
// the labels as the score list shows them (a label ends at its first blank,
// so the length label comes without its padding), then the two codes.
struct ScoreLineParts {
  std::string_view pitchLabel;
  std::string_view lengthLabel;
  ScoreCodes codes;
};
ScoreLineParts SplitScoreLine(std::string_view line);

// Label, five blanks, 12-byte length label, pitch code, a blank, length code.
std::string ComposeScoreLine(std::string_view label, int lengthIndex, int pitchCode);

// The rest label "　休符".
extern const char* const kRestLabel;

}  // namespace melopad
