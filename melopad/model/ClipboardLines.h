// Score lines in the two forms the editor puts on the clipboard: its own
// format, the number of lines (four bytes, least significant first) and a
// length and pitch byte pair per line as in the melody file, and
// text with one note a line in the score list's words ("C-3 4分音符",
// "休符 8分音符") that reads well in a mail and can be typed by hand.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace melopad {

// A clipboard text or pair list that holds something other than notes; the
// message names the line concerned.
class ClipboardLinesError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::vector<std::uint8_t> PairsOfLines(std::span<const std::string> lines);
// Reads the editor's format; bytes past the pairs counted are passed over
// (the clipboard's memory may be larger than what was put there). Throws
// ClipboardLinesError for fewer bytes than counted or a pair that is no note
// or rest of the editor's lengths.
std::vector<std::string> LinesOfPairs(std::span<const std::uint8_t> bytes);

// Code page 932 text, lines separated by CR LF.
std::string TextOfLines(std::span<const std::string> lines);
// Reads text in that form; lines may end in CR LF, LF or CR, blank lines are
// passed over, and the two words may be separated by any run of blanks.
// Throws ClipboardLinesError naming the first line it cannot read.
std::vector<std::string> LinesOfText(std::string_view text);

}  // namespace melopad
