// How long one score line plays at a tempo.
#pragma once

namespace melopad {

// The playing time of a line with the length code at the tempo, in
// milliseconds: its ticks times 1800, divided by the tempo with the
// remainder dropped. A quarter note at tempo 120 lasts 480 ms. Throws
// std::out_of_range for a code that is no length code.
int NoteDurationMs(int lengthCode, int tempo);

}  // namespace melopad
