// Plays melodies through the real note sound bank on the player's timing
// path (the note sequencer, with the player's 1 ms pause after every note)
// and prints how long they took against their nominal length: 50 notes of
// 25 ms (the preview length), and 100 128th notes at tempo 120. The sound
// service is prepared first and given the half second the start-up's splash
// gives it; "unprepared" as the argument leaves that out. A benchmark, not a
// test: run it under Wine and read the figures.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "melopad/model/Notes.h"
#include "melopad/model/Timing.h"
#include "melopad/playback/NoteSequencer.h"
#include "melopad/playback/NoteSoundBank.h"

namespace {

constexpr DWORD kSplashMs = 500;

struct Target {
  double percent;
  double msPerNote;
};

void Measure(SystemNoteSoundBank& bank, int notes, int noteMs, Target target) {
  PlaybackClock& clock = bank.Clock();
  NoteSequencer sequencer(bank);
  const double start = clock.NowMs();
  double firstNote = 0;
  // How long after its place on the beat the latest note had stopped.
  double latest = 0;
  for (int note = 0; note < notes; ++note) {
    sequencer.Play(39 + note % 36, noteMs);
    const double stopped = clock.NowMs() - start;
    if (note == 0) firstNote = stopped;
    latest = std::max(latest, stopped - (note + 1) * noteMs);
    ::Sleep(1);
  }
  const double total = clock.NowMs() - start;
  const double nominal = notes * noteMs;
  const double allowed = nominal * target.percent / 100 + notes * target.msPerNote;
  std::printf("%d notes of %d ms: %.1f ms in all against %.0f ms nominal (%+.1f ms, %+.2f %%)\n",
              notes, noteMs, total, nominal, total - nominal, (total - nominal) * 100.0 / nominal);
  std::printf("  allowed %.1f ms: %s; the first note took %.1f ms; the latest stop %.1f ms late\n",
              allowed, std::fabs(total - nominal) <= allowed ? "within" : "OUTSIDE", firstNote,
              latest);
}

}  // namespace

int main(int argc, char** argv) {
  const bool prepared = !(argc > 1 && std::strcmp(argv[1], "unprepared") == 0);
  SystemNoteSoundBank bank;
  if (prepared) {
    const double before = bank.Clock().NowMs();
    bank.Prepare();
    std::printf("preparing the sound service: the call took %.1f ms\n",
                bank.Clock().NowMs() - before);
    ::Sleep(kSplashMs);
  }
  Measure(bank, 50, 25, {1, 2});
  constexpr int kHundredTwentyEighth = 13;
  Measure(bank, 100, melopad::NoteDurationMs(melopad::LengthCodeOf(kHundredTwentyEighth), 120),
          {5, 0});
  return 0;
}
