#include "melopad/playback/NoteSequencer.h"

// The first note's start is taken once its sound has started, so a sound
// service still starting up does not shorten it. A note that starts after
// its end (after a stall) stops at once: it is not skipped, and the notes
// after it keep their places, so the melody catches up instead of shifting.
void NoteSequencer::Play(int pitchCode, int durationMs) {
  sounds_.StartNote(pitchCode);
  PlaybackClock& clock = sounds_.Clock();
  if (!endMs_) endMs_ = clock.NowMs();
  *endMs_ += durationMs;
  clock.WaitUntil(*endMs_);
  sounds_.StopSound();
}
