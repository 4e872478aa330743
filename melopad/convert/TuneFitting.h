// Fitting a tune of another format to the handset: pitches folded into its
// three octaves, chords reduced to their top note, source time mapped to
// ticks and lengths, the tempo brought into its range. And the way between a
// fitted tune and the editor's melody.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "melopad/convert/Tune.h"
#include "melopad/model/Melody.h"

namespace melopad {

// The lowest and highest MIDI note of the 36 keys: key index k is note 48 + k.
inline constexpr int kLowestMidiKey = 48;
inline constexpr int kHighestMidiKey = kLowestMidiKey + 35;

// The highest tempo an ALS file keeps as it is (it stores even tempi), and the
// lowest even tempo at or above kMinTempo.
inline constexpr int kMaxFittedTempo = kMaxTempo;
inline constexpr int kMinFittedTempo = kMinTempo + kMinTempo % 2;

// The handset plays a quarter in 57,600 / T ms at tempo T: a tempo and the
// microseconds of its quarter note multiply to this.
inline constexpr std::int64_t kTempoTimesMicroseconds = 57'600'000;

// More notes than this are refused by every reader, and a fitted tune longer
// than this many whole notes is refused too.
inline constexpr int kMaxImportedNotes = 1'000'000;

// Throws ConversionError for a tune it cannot fit (a division below 1, a
// tune far too long for the handset).
HandsetTune FitToHandset(const SourceTune& source, FitReport& report);

// Pitch code of a MIDI note folded into the 36 keys (pitch class kept), and
// whether it had to be folded.
int PitchCodeOfMidiKey(int midiKey, bool* folded = nullptr);
int MidiKeyOfPitchCode(int pitchCode);

// The tune's lines as the score list shows them (labels as typed notes have).
std::vector<std::string> ScoreLinesOf(const HandsetTune& tune);
// Puts the tune's lines, name and tempo in place of the melody's; the
// selection is cleared and Modified set, as for any replacement of lines.
void PutIntoMelody(const HandsetTune& tune, Melody& melody);
HandsetTune HandsetTuneOf(const Melody& melody);

}  // namespace melopad
