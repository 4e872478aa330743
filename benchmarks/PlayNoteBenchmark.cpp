// Plays a melody of 50 notes of 25 ms (the preview length) through the real
// note sound bank and prints how long it took against the nominal 1250 ms.
// A benchmark, not a test: run it under Wine and read the figures.
#include <windows.h>

#include <cstdio>

#include "melopad/playback/NoteSoundBank.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency{};
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  constexpr int kNotes = 50;
  constexpr int kNoteMs = 25;
  SystemNoteSoundBank bank;
  double first = 0;
  double slowest = 0;
  LARGE_INTEGER start{};
  ::QueryPerformanceCounter(&start);
  LARGE_INTEGER previous = start;
  for (int note = 0; note < kNotes; ++note) {
    bank.PlayNote(39 + note % 36, kNoteMs);
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
  // The first note also pays for starting the sound service.
  const double others = (total - first) / (kNotes - 1);
  std::printf("%d notes of %d ms: %.1f ms in all against %d ms nominal (%+.1f %%)\n", kNotes,
              kNoteMs, total, kNotes * kNoteMs,
              (total - kNotes * kNoteMs) * 100.0 / (kNotes * kNoteMs));
  std::printf("first note %.1f ms; the other %d: %.2f ms each on average, slowest %.1f ms\n", first,
              kNotes - 1, others, slowest);
  return 0;
}
