// Any bytes opened as a MIDI file: reading fails only with a ConversionError,
// and a tune that reads and fits comes back the same after it has been
// written as MIDI and imported again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/MidiFile.h"
#include "melopad/convert/TuneFitting.h"
#include "melopad/model/Notes.h"

namespace {

bool SameLines(const melopad::HandsetTune& a, const melopad::HandsetTune& b) {
  if (a.lines.size() != b.lines.size() || a.tempo != b.tempo) return false;
  for (std::size_t i = 0; i < a.lines.size(); ++i) {
    if (a.lines[i].lengthCode != b.lines[i].lengthCode ||
        a.lines[i].pitchCode != b.lines[i].pitchCode) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  melopad::HandsetTune fitted;
  try {
    const auto tracks = melopad::ListMidiTracks(bytes);
    melopad::FitReport report;
    fitted = melopad::FitToHandset(melopad::ReadMidiTrack(bytes, melopad::DefaultMidiTrack(tracks)),
                                   report);
  } catch (const melopad::ConversionError&) {
    return 0;
  }
  for (const melopad::HandsetLine& line : fitted.lines) {
    if (!melopad::IsLengthCode(line.lengthCode)) __builtin_trap();
    if (line.pitchCode != 0 && !melopad::IsNotePitch(line.pitchCode)) __builtin_trap();
  }
  if (fitted.tempo < melopad::kMinFittedTempo || fitted.tempo > melopad::kMaxFittedTempo ||
      fitted.tempo % 2 != 0) {
    __builtin_trap();
  }
  // A tune whose notes were all too short to keep has nothing to read back.
  const bool hasNotes =
      std::any_of(fitted.lines.begin(), fitted.lines.end(),
                  [](const melopad::HandsetLine& line) { return line.pitchCode != 0; });
  if (!hasNotes) return 0;
  std::vector<std::uint8_t> written;
  try {
    written = melopad::WriteMidiFile(fitted);
  } catch (const melopad::ConversionError&) {
    return 0;  // rests too long for one MIDI delta
  }
  melopad::FitReport again;
  if (!SameLines(melopad::FitToHandset(melopad::ReadMidiTrack(written, 0), again), fitted)) {
    __builtin_trap();
  }
  return 0;
}
