// Plays notes one after another in time: each note ends where the lengths of
// all the notes so far add up to, counted from the start of the first one,
// so the time the sound service and the player spend between notes does not
// add up over a melody.
#pragma once

#include <optional>

#include "melopad/playback/NoteSoundBank.h"

class NoteSequencer {
 public:
  // The sounds must outlive the sequencer. One sequencer times one playing.
  explicit NoteSequencer(NoteSoundBank& sounds) : sounds_(sounds) {}

  // Sounds the pitch code until the note's end and stops it again.
  void Play(int pitchCode, int durationMs);

 private:
  NoteSoundBank& sounds_;
  // Where the last note played ended, on the bank's clock; empty until the
  // first note has started.
  std::optional<double> endMs_;
};
