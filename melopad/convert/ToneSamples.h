// The editor's tone samples as played: the whole 16-bit frames of each
// sample of the note sound bank, 8000 per second. The source is drawn at
// build time by tools/make_tones.py, the tool that draws the WAVE resources.
#pragma once

#include <cstdint>
#include <span>

namespace melopad {

// The frames of pitch code 39 to 74; empty for any other code.
std::span<const std::int16_t> ToneFrames(int pitchCode);

}  // namespace melopad
