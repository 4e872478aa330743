// RTTTL, the one-line ring tone text of mobile phones
// ("name:d=4,o=6,b=63:8c6,8d#.6,4p,..."), read as a SourceTune and written
// from a HandsetTune.
#pragma once

#include <string>
#include <string_view>

#include "melopad/convert/Tune.h"

namespace melopad {

// Throws ConversionError, naming the position, for text that is not RTTTL.
SourceTune ReadRtttl(std::string_view text);

// Lengths RTTTL cannot write are written as the nearest one it can and
// counted in report.lengthsRounded. Throws ConversionError for a tune
// without notes, which no RTTTL reader would take.
std::string WriteRtttl(const HandsetTune& tune, FitReport& report);

}  // namespace melopad
