// What the RTTTL reader and writer agree on: the values the text may hold,
// RTTTL's defaults for those a text leaves out, and the note names.
#pragma once

#include <array>

namespace melopad::rtttl {

// A duration d is a 1/d note; a dot adds half of it.
inline constexpr std::array<int, 6> kDurations = {1, 2, 4, 8, 16, 32};
inline constexpr int kDefaultDuration = 4;
inline constexpr int kDefaultOctave = 6;
inline constexpr int kDefaultBeats = 63;  // quarter notes a minute

// Scientific octaves whose every note is a MIDI key (c0 = 12 to b8 = 119).
inline constexpr int kLowestOctave = 0;
inline constexpr int kHighestOctave = 8;
inline constexpr int kLowestBeats = 1;
inline constexpr int kHighestBeats = 900;

inline constexpr int kKeysPerOctave = 12;
inline constexpr char kPause = 'p';

// Names of the twelve pitch classes from C, sharps written with "#".
inline constexpr std::array<const char*, kKeysPerOctave> kNoteNames = {
    "c", "c#", "d", "d#", "e", "f", "f#", "g", "g#", "a", "a#", "b"};

// MIDI key of a pitch class in a scientific octave: c4 is middle C, 60.
constexpr int MidiKey(int pitchClass, int octave) {
  return (octave + 1) * kKeysPerOctave + pitchClass;
}

}  // namespace melopad::rtttl
