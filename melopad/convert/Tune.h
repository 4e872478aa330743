// A tune as an outside format gives it, and the same tune fitted to what the
// handset can hold. Readers of other formats produce a SourceTune; fitting
// turns it into a HandsetTune, noting in a FitReport what it had to change.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace melopad {

// One sounding note in the source's own time: ticks of the source's division
// and a MIDI note number (60 is middle C).
struct TimedNote {
  std::int64_t start = 0;
  std::int64_t end = 0;
  int key = 60;
};

// From `tick` on, a quarter note lasts `microsecondsPerQuarter`.
struct TempoChange {
  std::int64_t tick = 0;
  std::int64_t microsecondsPerQuarter = 500'000;
};

struct SourceTune {
  // Bytes as the source holds them; empty when it names no tune.
  std::string name;
  int ticksPerQuarter = 480;
  // In tick order; none means 120 quarters a minute throughout.
  std::vector<TempoChange> tempos;
  // In start order; may overlap (chords), which fitting reduces to the
  // highest sounding note.
  std::vector<TimedNote> notes;
  // Where the tune ends, when silence follows its last note (a MIDI track's
  // end); 0 or anything before the last note's end means it ends with it.
  std::int64_t endTick = 0;
};

// One score line of the handset: a length code and a pitch code (a rest is
// pitch code 0), as the ALS file stores them.
struct HandsetLine {
  int lengthCode = 0;
  int pitchCode = 0;
};

struct HandsetTune {
  std::string name;
  int tempo = 120;
  std::vector<HandsetLine> lines;
};

// What fitting (or writing to a narrower format) changed, counted by kind.
// Lines() gives the report one line per kind that occurred, with its count;
// empty when nothing had to change.
struct FitReport {
  int foldedNotes = 0;        // moved by octaves into the handset's range
  int chordNotesDropped = 0;  // lower notes of a chord, or notes under a higher one
  int shortSpansDropped = 0;  // spans shorter than a 128th
  int tempoChangesFlattened = 0;
  bool tempoClamped = false;  // the tempo could not be kept by doubling or halving
  int lengthsRounded = 0;     // lengths the target format cannot write
  std::vector<std::string> Lines() const;
  bool Empty() const { return Lines().empty(); }
};

}  // namespace melopad
