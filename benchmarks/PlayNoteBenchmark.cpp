// Plays melodies through the real note sound bank, note after note with the
// player's 1 ms pause between them, and prints how long they took against
// their nominal length: 50 notes of 25 ms (the preview length), and 100
// 128th notes at tempo 120. A benchmark, not a test: run it under Wine and
// read the figures.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "melopad/model/Notes.h"
#include "melopad/model/Timing.h"
#include "melopad/playback/NoteSoundBank.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency{};
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

void Measure(NoteSoundBank& bank, int notes, int noteMs) {
  double first = 0;
  double slowest = 0;
  LARGE_INTEGER start{};
  ::QueryPerformanceCounter(&start);
  LARGE_INTEGER previous = start;
  for (int note = 0; note < notes; ++note) {
    bank.PlayNote(39 + note % 36, noteMs);
    ::Sleep(1);
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    const double taken = Milliseconds(previous, now);
    if (note == 0)
      first = taken;
    else
      slowest = std::max(slowest, taken);
    previous = now;
  }
  const double total = Milliseconds(start, previous);
  const double nominal = notes * noteMs;
  // The first note may also pay for starting the sound service.
  const double others = (total - first) / (notes - 1);
  std::printf("%d notes of %d ms: %.1f ms in all against %.0f ms nominal (%+.1f ms, %+.1f %%)\n",
              notes, noteMs, total, nominal, total - nominal, (total - nominal) * 100.0 / nominal);
  std::printf("  first note %.1f ms; the other %d: %.2f ms each on average, slowest %.1f ms\n",
              first, notes - 1, others, slowest);
}

}  // namespace

int main() {
  SystemNoteSoundBank bank;
  Measure(bank, 50, 25);
  constexpr int kHundredTwentyEighth = 13;
  Measure(bank, 100, melopad::NoteDurationMs(melopad::LengthCodeOf(kHundredTwentyEighth), 120));
  return 0;
}
