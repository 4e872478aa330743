#include "melopad/model/Timing.h"

#include "melopad/model/Notes.h"

namespace melopad {

namespace {
// Milliseconds of one tick at tempo 1: 1800, not the 60000 / 32 = 1875 of
// a minute shared by 32-tick beats, so a quarter note at tempo 120 lasts
// 480 ms rather than 500.
constexpr int kTickMsAtTempoOne = 1800;
}  // namespace

// The product comes first so that no precision is lost before the division;
// at most 128 × 1800, it fits an int.
int NoteDurationMs(int lengthCode, int tempo) {
  return LengthTicks(lengthCode) * kTickMsAtTempoOne / tempo;
}

}  // namespace melopad
