// A melody as the editor plays it, as a WAVE file: 8000 Hz, 16-bit, mono.
#pragma once

#include <cstdint>
#include <vector>

#include "melopad/convert/Tune.h"

namespace melopad {

inline constexpr int kWavSampleRate = 8000;

// Each note its tone sample looped for its NoteDurationMs, each rest as
// long in silence, with nothing between them: the sum of the durations × 8
// samples. Throws ConversionError for a melody too long for a WAVE file.
std::vector<std::uint8_t> WriteWavFile(const HandsetTune& tune);

}  // namespace melopad
