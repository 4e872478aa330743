// Any bytes opened as RTTTL: reading either refuses them with a message or
// gives notes, and those notes written back as quarter notes on the handset's
// keys read again as the same keys, lengths and tempo.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/Rtttl.h"
#include "melopad/model/Notes.h"

namespace {

constexpr int kLowestKey = 48;  // MIDI key of the lowest handset pitch
constexpr int kQuarterCode = melopad::kFirstLengthCode + melopad::kQuarterLengthIndex;

int FoldedKey(int key) {
  while (key < kLowestKey) key += 12;
  while (key >= kLowestKey + melopad::kKeyCount) key -= 12;
  return key;
}

// The even tempo nearest to 0.96 quarters a minute.
int HandsetTempoOf(const melopad::SourceTune& tune) {
  const std::int64_t microseconds = tune.tempos.at(0).microsecondsPerQuarter;
  const std::int64_t beats = (60'000'000 + microseconds / 2) / microseconds;
  return static_cast<int>((96 * beats + 100) / 200 * 2);
}

melopad::HandsetTune QuarterNotesOf(const melopad::SourceTune& tune) {
  melopad::HandsetTune handset{tune.name, HandsetTempoOf(tune), {}};
  for (const melopad::TimedNote& note : tune.notes) {
    handset.lines.push_back(
        {kQuarterCode, FoldedKey(note.key) - kLowestKey + melopad::kLowestPitch});
  }
  return handset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  melopad::SourceTune read;
  try {
    read = melopad::ReadRtttl(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const melopad::ConversionError&) {
    return 0;
  }
  const melopad::HandsetTune handset = QuarterNotesOf(read);
  melopad::FitReport report;
  const melopad::SourceTune reread = melopad::ReadRtttl(melopad::WriteRtttl(handset, report));
  if (report.lengthsRounded != 0 || HandsetTempoOf(reread) != handset.tempo) __builtin_trap();
  if (reread.notes.size() != handset.lines.size()) __builtin_trap();
  for (std::size_t i = 0; i < reread.notes.size(); ++i) {
    const melopad::TimedNote& note = reread.notes[i];
    const std::int64_t start = static_cast<std::int64_t>(i) * reread.ticksPerQuarter;
    if (note.start != start || note.end != start + reread.ticksPerQuarter) __builtin_trap();
    if (FoldedKey(read.notes[i].key) != note.key) __builtin_trap();
  }
  return 0;
}
