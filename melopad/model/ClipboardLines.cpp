#include "melopad/model/ClipboardLines.h"

#include <optional>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

namespace {

// The score list's labels lead with a full-width blank that the text form
// leaves out, and the length names are padded with blanks.
constexpr std::string_view kLabelPad = "　";

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (text.starts_with(kLabelPad)) text.remove_prefix(kLabelPad.size());
  return text;
}

std::string LineOf(int pitchCode, int lengthCode) {
  const int lengthIndex = LengthIndexOf(lengthCode);
  return pitchCode == kRestPitch ? ComposeScoreLine(kRestLabel, lengthIndex, kRestPitch)
                                 : ComposeScoreLine(PitchLabel(pitchCode), lengthIndex, pitchCode);
}

std::optional<int> PitchNamed(std::string_view word) {
  if (word == Trimmed(kRestLabel)) return kRestPitch;
  for (int pitch = kLowestPitch; pitch <= kHighestPitch; ++pitch) {
    if (Trimmed(PitchLabel(pitch)) == word) return pitch;
  }
  return std::nullopt;
}

std::optional<int> LengthNamed(std::string_view word) {
  for (int index = 0; index < kLengthCount; ++index) {
    if (Trimmed(LengthNames[static_cast<std::size_t>(index)]) == word) return LengthCodeOf(index);
  }
  return std::nullopt;
}

// "C-3 4分音符": the two words of one line, or nothing.
std::optional<std::string> LineOfText(std::string_view text) {
  const std::string_view line = Trimmed(text);
  const std::size_t blank = line.find_first_of(" \t");
  if (blank == std::string_view::npos) return std::nullopt;
  const std::optional<int> pitch = PitchNamed(line.substr(0, blank));
  const std::optional<int> length = LengthNamed(Trimmed(line.substr(blank)));
  if (!pitch || !length) return std::nullopt;
  return LineOf(*pitch, *length);
}

}  // namespace

constexpr std::size_t kCountBytes = 4;

std::vector<std::uint8_t> PairsOfLines(std::span<const std::string> lines) {
  std::vector<std::uint8_t> pairs;
  pairs.reserve(kCountBytes + lines.size() * 2);
  for (std::size_t i = 0; i < kCountBytes; ++i) {
    pairs.push_back(static_cast<std::uint8_t>((lines.size() >> (8 * i)) & 0xFF));
  }
  for (const std::string& line : lines) {
    const ScoreCodes codes = ParseScoreLine(line);
    pairs.push_back(static_cast<std::uint8_t>(codes.lengthCode));
    pairs.push_back(static_cast<std::uint8_t>(codes.pitchCode));
  }
  return pairs;
}

std::vector<std::string> LinesOfPairs(std::span<const std::uint8_t> bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < kCountBytes && i < bytes.size(); ++i) {
    count |= static_cast<std::size_t>(bytes[i]) << (8 * i);
  }
  if (bytes.size() < kCountBytes || (bytes.size() - kCountBytes) / 2 < count) {
    throw ClipboardLinesError("クリップボードの音符が途中で切れています");
  }
  const std::span<const std::uint8_t> pairs = bytes.subspan(kCountBytes, count * 2);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < pairs.size(); i += 2) {
    const int length = pairs[i];
    const int pitch = pairs[i + 1];
    if (!IsLengthCode(length) || (pitch != kRestPitch && !IsNotePitch(pitch))) {
      throw ClipboardLinesError("クリップボードの " + std::to_string(i / 2 + 1) +
                                " 番目の音符は読めません");
    }
    lines.push_back(LineOf(pitch, length));
  }
  return lines;
}

std::string TextOfLines(std::span<const std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    const ScoreLineParts parts = SplitScoreLine(line);
    text += Trimmed(parts.pitchLabel);
    text += ' ';
    text += Trimmed(parts.lengthLabel);
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> LinesOfText(std::string_view text) {
  std::vector<std::string> lines;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    ++number;
    if (!Trimmed(line).empty()) {
      std::optional<std::string> read = LineOfText(line);
      if (!read) {
        throw ClipboardLinesError(std::to_string(number) + " 行目「" + std::string(line) +
                                  "」は音符として読めません");
      }
      lines.push_back(std::move(*read));
    }
    if (end == std::string_view::npos) break;
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
  return lines;
}

}  // namespace melopad
