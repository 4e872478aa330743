#include "melopad/model/ScoreLine.h"

#include <charconv>
#include <stdexcept>
#include <vector>

#include "melopad/model/Notes.h"

namespace melopad {

const char* const kRestLabel = "　休符";

namespace {

constexpr std::size_t kPitchLabelToken = 0;
constexpr std::size_t kLengthLabelToken = 1;
constexpr std::size_t kPitchCodeToken = 2;
constexpr std::size_t kLengthCodeToken = 3;

// Only the ASCII blank separates; the labels begin with a full-width space
// (a two-byte character), which stays inside its token.
std::vector<std::string_view> SplitAtBlanks(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t start = line.find_first_not_of(' ');
  while (start != std::string_view::npos) {
    const std::size_t end = line.find(' ', start);
    tokens.push_back(line.substr(start, end - start));
    start = line.find_first_not_of(' ', end);
  }
  return tokens;
}

int ParseDecimal(std::string_view token) {
  int value = 0;
  const char* const last = token.data() + token.size();
  const auto [stop, error] = std::from_chars(token.data(), last, value);
  if (error != std::errc{} || stop != last) {
    throw std::invalid_argument("score line code is not a decimal number");
  }
  return value;
}

}  // namespace

ScoreCodes ParseScoreLine(std::string_view line) {
  return SplitScoreLine(line).codes;
}

ScoreLineParts SplitScoreLine(std::string_view line) {
  const std::vector<std::string_view> tokens = SplitAtBlanks(line);
  if (tokens.size() <= kLengthCodeToken) {
    throw std::invalid_argument("score line has fewer than four tokens");
  }
  return ScoreLineParts{
      tokens[kPitchLabelToken], tokens[kLengthLabelToken],
      ScoreCodes{ParseDecimal(tokens[kPitchCodeToken]), ParseDecimal(tokens[kLengthCodeToken])}};
}

std::string ComposeScoreLine(std::string_view label, int lengthIndex, int pitchCode) {
  const int lengthCode = LengthCodeOf(lengthIndex);
  std::string line(label);
  line += "     ";
  line += LengthNames[static_cast<std::size_t>(lengthIndex)];
  line += std::to_string(pitchCode);
  line += ' ';
  line += std::to_string(lengthCode);
  return line;
}

}  // namespace melopad
