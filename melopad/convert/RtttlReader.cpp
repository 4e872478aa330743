// Reading RTTTL: "name:defaults:notes". The name keeps its bytes but not the white
// space around it; the defaults "d=", "o=" and "b=" may come in any order or not at all;
// each note is [duration] letter ["#"] ["."] [octave] ["."], with at most one dot.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/Rtttl.h"
#include "melopad/convert/RtttlScanner.h"
#include "melopad/convert/RtttlSyntax.h"

namespace melopad {

namespace {

using rtttl::Scanner;

// Every RTTTL length down to the dotted 32nd is a whole number of these.
constexpr int kTicksPerQuarter = 96;
constexpr std::int64_t kMicrosecondsPerMinute = 60'000'000;
constexpr std::size_t kMostNotes = 1'000'000;

struct RtttlDefaults {
  int duration = rtttl::kDefaultDuration;
  int octave = rtttl::kDefaultOctave;
  int beats = rtttl::kDefaultBeats;
};

// A note or, without a key, a pause.
struct RtttlNote {
  std::int64_t ticks;
  std::optional<int> key;
};

std::string_view TrimmedName(std::string_view name) {
  constexpr std::string_view kSpace = " \t\r\n\v\f";
  const std::size_t first = name.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return name.substr(first, name.find_last_not_of(kSpace) - first + 1);
}

int CheckedDuration(int duration, std::size_t position) {
  if (std::ranges::find(rtttl::kDurations, duration) == rtttl::kDurations.end()) {
    Scanner::FailAt(position, "長さは 1, 2, 4, 8, 16, 32 のどれか");
  }
  return duration;
}

int CheckedOctave(int octave, std::size_t position) {
  if (octave < rtttl::kLowestOctave || octave > rtttl::kHighestOctave) {
    Scanner::FailAt(position, "オクターブは 0 から 8 まで");
  }
  return octave;
}

int CheckedBeats(int beats, std::size_t position) {
  if (beats < rtttl::kLowestBeats || beats > rtttl::kHighestBeats) {
    Scanner::FailAt(position, "テンポ b は 1 から 900 まで");
  }
  return beats;
}

void ReadDefault(Scanner& in, RtttlDefaults& defaults) {
  const int key = in.Peek();
  if (key != 'd' && key != 'o' && key != 'b') in.FailHere();
  in.Take();
  in.Expect('=');
  const std::size_t position = in.Position();
  const int value = in.TakeNumber();
  if (key == 'd') defaults.duration = CheckedDuration(value, position);
  if (key == 'o') defaults.octave = CheckedOctave(value, position);
  if (key == 'b') defaults.beats = CheckedBeats(value, position);
}

RtttlDefaults ReadDefaults(Scanner& in) {
  RtttlDefaults defaults;
  if (in.TakeIf(':')) return defaults;
  do {
    ReadDefault(in, defaults);
  } while (in.TakeIf(','));
  in.Expect(':');
  return defaults;
}

// Semitones above C of a note letter; "h" is B as German and some Nokia
// texts write it.
std::optional<int> PitchClassOf(int letter) {
  switch (letter) {
    case 'c':
      return 0;
    case 'd':
      return 2;
    case 'e':
      return 4;
    case 'f':
      return 5;
    case 'g':
      return 7;
    case 'a':
      return 9;
    case 'b':
    case 'h':
      return 11;
    default:
      return std::nullopt;
  }
}

std::int64_t TicksOf(int duration, bool dotted) {
  const std::int64_t ticks = 4 * kTicksPerQuarter / duration;
  return dotted ? ticks * 3 / 2 : ticks;
}

// What follows a note letter: ["#"] ["."] [octave] ["."], at most one dot.
RtttlNote ReadRestOfNote(Scanner& in, int pitchClass, int duration, int defaultOctave) {
  bool dotted = in.TakeIf('.');
  const int sharp = !dotted && in.TakeIf('#') ? 1 : 0;
  dotted = dotted || in.TakeIf('.');
  const std::size_t octavePosition = in.Position();
  const int octave = in.AtDigit() ? CheckedOctave(in.Take() - '0', octavePosition) : defaultOctave;
  if (!dotted) dotted = in.TakeIf('.');
  return {TicksOf(duration, dotted), rtttl::MidiKey(pitchClass + sharp, octave)};
}

RtttlNote ReadNote(Scanner& in, const RtttlDefaults& defaults) {
  const std::size_t durationPosition = in.Position();
  const int duration =
      in.AtDigit() ? CheckedDuration(in.TakeNumber(), durationPosition) : defaults.duration;
  const int letter = in.Peek();
  const std::optional<int> pitchClass = PitchClassOf(letter);
  if (!pitchClass && letter != rtttl::kPause) in.FailHere();
  in.Take();
  if (!pitchClass) return {TicksOf(duration, in.TakeIf('.')), std::nullopt};
  return ReadRestOfNote(in, *pitchClass, duration, defaults.octave);
}

// Notes follow each other without gaps; a pause only moves the next start.
// The count is checked before each note is kept, so no text makes the list
// grow past the limit. Returns where the tune ends, after a last pause too.
std::int64_t ReadNotes(Scanner& in, const RtttlDefaults& defaults, std::vector<TimedNote>& notes) {
  std::int64_t tick = 0;
  do {
    const RtttlNote note = ReadNote(in, defaults);
    if (note.key && notes.size() == kMostNotes) {
      throw ConversionError("RTTTL の音符が 1000000 個を超えるため読み込めません");
    }
    if (note.key) notes.push_back({tick, tick + note.ticks, *note.key});
    tick += note.ticks;
  } while (in.TakeIf(','));
  if (in.Peek() != Scanner::kEnd) in.FailHere();
  return tick;
}

}  // namespace

SourceTune ReadRtttl(std::string_view text) {
  const std::size_t nameEnd = text.find(':');
  if (nameEnd == std::string_view::npos) {
    throw ConversionError("RTTTL ではありません(「名前:既定値:音符」の形になっていません)");
  }
  SourceTune tune;
  tune.name = TrimmedName(text.substr(0, nameEnd));
  tune.ticksPerQuarter = kTicksPerQuarter;
  Scanner in(text, nameEnd + 1);
  const RtttlDefaults defaults = ReadDefaults(in);
  const std::int64_t beats = defaults.beats;
  tune.tempos.push_back({0, (kMicrosecondsPerMinute + beats / 2) / beats});
  if (in.Peek() != Scanner::kEnd) tune.endTick = ReadNotes(in, defaults, tune.notes);
  if (tune.notes.empty()) throw ConversionError("RTTTL に音符がありません");
  return tune;
}

}  // namespace melopad
