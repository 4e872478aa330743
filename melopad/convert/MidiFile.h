// Standard MIDI files: reading one track of a file of format 0 or 1 as a
// tune, and writing a fitted tune as a file of format 0. Reading throws
// ConversionError with a message for the user for anything it cannot take.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "melopad/convert/Tune.h"

namespace melopad {

// A track as a chooser lists it: its name and the notes it plays outside
// channel 10 (the drums), which are the notes a melody can be made of.
struct MidiTrackInfo {
  std::string name;
  int noteCount = 0;
  int drumNoteCount = 0;
};

std::vector<MidiTrackInfo> ListMidiTracks(std::span<const std::uint8_t> bytes);
// The first track with notes outside channel 10. Throws when there is none.
int DefaultMidiTrack(const std::vector<MidiTrackInfo>& tracks);

// The notes of the track (numbered from 0) outside channel 10, with the
// tempo changes of the whole file; the tune's name is the track's name, or
// the first track's when the track has none.
SourceTune ReadMidiTrack(std::span<const std::uint8_t> bytes, int trackIndex);

// Division of the files written: 480 ticks a quarter, 15 to each handset tick.
inline constexpr int kWrittenMidiDivision = 480;

std::vector<std::uint8_t> WriteMidiFile(const HandsetTune& tune);

}  // namespace melopad
