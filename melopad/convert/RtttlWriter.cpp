// Writing RTTTL: each score line becomes one note or pause; the defaults are
// chosen to make the text shortest, and the text always reads back through
// ReadRtttl.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/Rtttl.h"
#include "melopad/convert/RtttlSyntax.h"
#include "melopad/convert/TuneFitting.h"
#include "melopad/model/Notes.h"

namespace melopad {

namespace {

constexpr std::size_t kLongestName = 32;
constexpr std::string_view kUnnamed = "melopad";
constexpr int kTicksPerWhole = 4 * kTicksPerBeat;

struct WrittenLength {
  int duration;
  bool dotted;
};

// A score line as RTTTL writes it.
struct WrittenNote {
  WrittenLength length;
  bool pause;
  int pitchClass;
  int octave;
};

struct WrittenDefaults {
  int duration;
  int octave;
  int beats;
};

int TicksOf(WrittenLength length) {
  const int ticks = kTicksPerWhole / length.duration;
  return length.dotted ? ticks * 3 / 2 : ticks;
}

// The RTTTL length nearest to the ticks; of two equally near, the longer.
WrittenLength NearestWritableLength(int ticks) {
  WrittenLength best{rtttl::kDurations.front(), false};
  for (const int duration : rtttl::kDurations) {
    for (const bool dotted : {false, true}) {
      const WrittenLength length{duration, dotted};
      const int miss = std::abs(TicksOf(length) - ticks);
      const int bestMiss = std::abs(TicksOf(best) - ticks);
      if (miss < bestMiss || (miss == bestMiss && TicksOf(length) > TicksOf(best))) best = length;
    }
  }
  return best;
}

WrittenNote WrittenNoteOf(const HandsetLine& line, FitReport& report) {
  const int ticks = LengthTicks(line.lengthCode);
  const WrittenLength length = NearestWritableLength(ticks);
  if (TicksOf(length) != ticks) ++report.lengthsRounded;
  if (line.pitchCode == kRestPitch) return {length, true, 0, 0};
  if (!IsNotePitch(line.pitchCode)) throw std::out_of_range("not a pitch code");
  const int key = MidiKeyOfPitchCode(line.pitchCode);
  return {length, false, key % rtttl::kKeysPerOctave, key / rtttl::kKeysPerOctave - 1};
}

// RTTTL names are ASCII; a colon would end the name early.
std::string CleanName(std::string_view name) {
  std::string cleaned(name.substr(0, kLongestName));
  for (char& c : cleaned) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || c == ':') c = '_';
  }
  return cleaned.empty() ? std::string(kUnnamed) : cleaned;
}

int DigitCount(int value) {
  return value >= 10 ? 1 + DigitCount(value / 10) : 1;
}

// Characters of one default: none when it is RTTTL's own.
int DefaultCost(int value, int rtttlDefault) {
  return value == rtttlDefault ? 0 : 2 + DigitCount(value);
}

int DefaultsLength(const WrittenDefaults& defaults) {
  const int costs[] = {DefaultCost(defaults.duration, rtttl::kDefaultDuration),
                       DefaultCost(defaults.octave, rtttl::kDefaultOctave),
                       DefaultCost(defaults.beats, rtttl::kDefaultBeats)};
  int length = -1;  // no comma before the first
  for (const int cost : costs) length += cost > 0 ? cost + 1 : 0;
  return length < 0 ? 0 : length;
}

// A tempo b reads back as the handset tempo, the even tempo nearest to
// 0.96 b, when 96 b lies within 100 of 100 × tempo. Of those b the one
// shortest to write wins, then the nearest; a tempo no b reaches gets the
// nearest b.
int BeatsFor(int tempo) {
  const auto rank = [tempo](int beats) {
    const std::int64_t miss = std::abs(96 * std::int64_t{beats} - 100 * std::int64_t{tempo});
    return std::tuple(miss < 100 ? 0 : miss, DefaultCost(beats, rtttl::kDefaultBeats), miss);
  };
  int best = rtttl::kLowestBeats;
  for (int beats = rtttl::kLowestBeats; beats <= rtttl::kHighestBeats; ++beats) {
    if (rank(beats) < rank(best)) best = beats;
  }
  return best;
}

std::int64_t DurationsLength(const std::vector<WrittenNote>& notes, int duration) {
  std::int64_t length = 0;
  for (const WrittenNote& note : notes) {
    if (note.length.duration != duration) length += DigitCount(note.length.duration);
  }
  return length;
}

std::int64_t OctavesLength(const std::vector<WrittenNote>& notes, int octave) {
  std::int64_t length = 0;
  for (const WrittenNote& note : notes) length += !note.pause && note.octave != octave ? 1 : 0;
  return length;
}

// The duration and octave that leave the fewest characters in the notes
// and the defaults together.
WrittenDefaults ShortestDefaults(const std::vector<WrittenNote>& notes, int beats) {
  std::array<std::int64_t, rtttl::kHighestOctave + 1> octavesLengths{};
  for (int octave = rtttl::kLowestOctave; octave <= rtttl::kHighestOctave; ++octave) {
    octavesLengths[octave] = OctavesLength(notes, octave);
  }
  WrittenDefaults best{rtttl::kDefaultDuration, rtttl::kDefaultOctave, beats};
  std::int64_t bestLength = -1;
  for (const int duration : rtttl::kDurations) {
    const std::int64_t durationsLength = DurationsLength(notes, duration);
    for (int octave = rtttl::kLowestOctave; octave <= rtttl::kHighestOctave; ++octave) {
      const WrittenDefaults defaults{duration, octave, beats};
      const std::int64_t length =
          DefaultsLength(defaults) + durationsLength + octavesLengths[octave];
      if (bestLength < 0 || length < bestLength) {
        best = defaults;
        bestLength = length;
      }
    }
  }
  return best;
}

void AppendDefault(std::string& text, char name, int value, int rtttlDefault) {
  if (value == rtttlDefault) return;
  if (text.back() != ':') text += ',';
  text += name;
  text += '=';
  text += std::to_string(value);
}

void AppendNote(std::string& text, const WrittenNote& note, const WrittenDefaults& defaults) {
  if (note.length.duration != defaults.duration) text += std::to_string(note.length.duration);
  text += note.pause ? std::string(1, rtttl::kPause) : rtttl::kNoteNames[note.pitchClass];
  if (!note.pause && note.octave != defaults.octave) text += static_cast<char>('0' + note.octave);
  if (note.length.dotted) text += '.';
}

}  // namespace

std::string WriteRtttl(const HandsetTune& tune, FitReport& report) {
  std::vector<WrittenNote> notes;
  notes.reserve(tune.lines.size());
  for (const HandsetLine& line : tune.lines) notes.push_back(WrittenNoteOf(line, report));
  if (std::ranges::all_of(notes, &WrittenNote::pause)) {
    throw ConversionError("音符のないメロディは RTTTL に書き出せません");
  }
  const WrittenDefaults defaults = ShortestDefaults(notes, BeatsFor(tune.tempo));
  std::string text = CleanName(tune.name) + ':';
  AppendDefault(text, 'd', defaults.duration, rtttl::kDefaultDuration);
  AppendDefault(text, 'o', defaults.octave, rtttl::kDefaultOctave);
  AppendDefault(text, 'b', defaults.beats, rtttl::kDefaultBeats);
  text += ':';
  for (const WrittenNote& note : notes) {
    if (text.back() != ':') text += ',';
    AppendNote(text, note, defaults);
  }
  return text;
}

}  // namespace melopad
