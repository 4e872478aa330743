// Moving notes up or down by semitones, as the editor's transposition does
// with the selected lines.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace melopad {

// The lines with every note moved by `semitones` (an octave is 12), label
// and pitch code together as if the note had been typed; rests stay as they
// are. Nothing when a note would leave the 36 pitches of the keyboard.
// Throws std::invalid_argument for a line that is no score line.
std::optional<std::vector<std::string>> TransposedLines(std::span<const std::string> lines,
                                                        int semitones);

}  // namespace melopad
