// RTTTL ring tone text: "name:d=4,o=6,b=120:notes". Both throw ConversionError
// on bad input.
#pragma once

#include <string>
#include <string_view>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/Tune.h"

namespace melopad {

SourceTune ReadRtttl(std::string_view text);
std::string WriteRtttl(const HandsetTune& tune, FitReport& report);

}  // namespace melopad
