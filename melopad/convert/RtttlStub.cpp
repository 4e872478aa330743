// Stands in for the RTTTL reader and writer until they are merged.
#include "melopad/convert/Rtttl.h"

namespace melopad {

SourceTune ReadRtttl(std::string_view) {
  throw ConversionError("RTTTL にはまだ対応していません。");
}

std::string WriteRtttl(const HandsetTune&, FitReport&) {
  throw ConversionError("RTTTL にはまだ対応していません。");
}

}  // namespace melopad
