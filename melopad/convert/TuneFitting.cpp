#include "melopad/convert/TuneFitting.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "melopad/convert/ConversionError.h"
#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {

namespace {

using Ticks = std::int64_t;

constexpr int kKeysPerOctave = 12;
constexpr Ticks kSixteenthTicks = 8;
// A source quarter note becomes a handset quarter note.
constexpr Ticks kTicksPerQuarter = kTicksPerBeat;
constexpr std::int64_t kDefaultMicrosecondsPerQuarter = 500'000;
// Tempi outside 0.6 to 60,000,000 quarters a minute are held there, which
// bounds how often the tempo is doubled or halved.
constexpr std::int64_t kSlowestMicrosecondsPerQuarter = 100'000'000;
// A fitted tune may last at most this many quarter notes.
constexpr Ticks kMaxQuarters = 4 * static_cast<Ticks>(kMaxImportedNotes);
// How far the lines may lag behind the source's places after tuplets before
// a plain length gives way to take the difference up.
constexpr Ticks kMaxCarry = 2;

// The lengths a musician writes, in ticks, and their codes.
struct Length {
  Ticks ticks;
  bool tuplet;
  int code;
};
constexpr std::array<Length, kLengthCount> kLengthsLongestFirst = {{
    {128, false, 192},
    {96, false, 193},
    {64, false, 194},
    {48, false, 195},
    {32, false, 196},
    {24, false, 197},
    {16, false, 198},
    {10, true, 199},
    {8, false, 201},
    {6, true, 202},
    {5, true, 200},
    {4, false, 203},
    {2, false, 204},
    {1, false, 205},
}};

const Length* PlainLength(Ticks ticks) {
  for (const Length& length : kLengthsLongestFirst) {
    if (!length.tuplet && length.ticks == ticks) return &length;
  }
  return nullptr;
}

// A tuplet length within one tick of the span (the nearer one, the longer
// on a tie), unless the span is a plain length itself.
const Length* NearTuplet(Ticks span) {
  if (PlainLength(span)) return nullptr;
  const Length* nearest = nullptr;
  for (const Length& length : kLengthsLongestFirst) {
    if (!length.tuplet || std::llabs(length.ticks - span) > 1) continue;
    if (!nearest || std::llabs(length.ticks - span) < std::llabs(nearest->ticks - span)) {
      nearest = &length;
    }
  }
  return nearest;
}

const Length& LongestPlainWithin(Ticks span) {
  for (const Length& length : kLengthsLongestFirst) {
    if (!length.tuplet && length.ticks <= span) return length;
  }
  return kLengthsLongestFirst.back();
}

// Turns the spans of notes and silences, in handset ticks, into lines. The
// difference between a tuplet length and the span it stands for is carried
// on to the next span, so the lines do not drift from the source's places.
class LineBuilder {
 public:
  explicit LineBuilder(FitReport& report) : report_(report) {}

  // No silence, no rest: what the lines lag behind at the tune's end is not
  // made up with a rest of its own.
  void Silence(Ticks span) {
    if (span < 1) return;
    // Only a lag is made up here: a rest shortened by a lead could fall under
    // a sixteenth and so read back as the note's articulation.
    if (carry_ > 0) {
      pendingRest_ += carry_;
      carry_ = 0;
    }
    pendingRest_ += span;
  }

  void Note(Ticks span, int pitchCode) {
    FlushRests();
    if (span < 1) {
      ++report_.shortSpansDropped;
      return;
    }
    if (const Length* tuplet = NearTuplet(span)) {
      Emit(tuplet->code, pitchCode);
      carry_ += span - tuplet->ticks;
      return;
    }
    const Ticks fill = span + carry_;
    if (const Length* plain = PlainLength(fill)) {
      Emit(plain->code, pitchCode);
      carry_ = 0;
    } else if (const Length* asWritten = PlainLength(span);
               asWritten && std::llabs(carry_) <= kMaxCarry) {
      // A plain length after tuplets stays as it is while the lines lag by little.
      Emit(asWritten->code, pitchCode);
    } else if (fill < 1) {
      Emit(LongestPlainWithin(1).code, pitchCode);
      carry_ = fill - 1;
    } else if (const Length* near = NearTuplet(fill)) {
      // As the span would be taken without the difference carried to it.
      Emit(near->code, pitchCode);
      carry_ = fill - near->ticks;
    } else {
      const Length& note = LongestPlainWithin(fill);
      Emit(note.code, pitchCode);
      pendingRest_ += fill - note.ticks;
      carry_ = 0;
    }
  }

  std::vector<HandsetLine> Finish() {
    FlushRests();
    return std::move(lines_);
  }

 private:
  // Rests in a row are one silence, written with the longest lengths first
  // (or as one tuplet rest when it is within a tick of one).
  void FlushRests() {
    Ticks rest = pendingRest_;
    pendingRest_ = 0;
    if (rest < 1) {
      carry_ += rest;
      return;
    }
    if (const Length* tuplet = NearTuplet(rest)) {
      Emit(tuplet->code, kRestPitch);
      carry_ += rest - tuplet->ticks;
      return;
    }
    // A whole rest a line: the tune's length is bounded, so this is too.
    while (rest > 0) {
      const Length& length = LongestPlainWithin(rest);
      Emit(length.code, kRestPitch);
      rest -= length.ticks;
    }
  }

  void Emit(int lengthCode, int pitchCode) { lines_.push_back({lengthCode, pitchCode}); }

  FitReport& report_;
  std::vector<HandsetLine> lines_;
  Ticks pendingRest_ = 0;
  Ticks carry_ = 0;
};

// A note at its places in handset ticks, with its pitch folded into the keys.
struct PlacedNote {
  Ticks start;
  Ticks end;
  int pitchCode;
  bool folded;
};

// Lines for the notes, which follow one another, from 0 to `tuneEnd`.
std::vector<HandsetLine> LinesOfSpans(const std::vector<PlacedNote>& notes, Ticks tuneEnd,
                                      FitReport& report) {
  LineBuilder builder(report);
  builder.Silence(notes.empty() ? tuneEnd : notes.front().start);
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const PlacedNote& note = notes[i];
    const bool last = i + 1 == notes.size();
    const Ticks next = last ? std::max(note.end, tuneEnd) : notes[i + 1].start;
    const Ticks silence = next - std::min(note.end, next);
    // A short silence before the next note is how the note was played, not a rest.
    const bool articulation = !last && silence < kSixteenthTicks && silence < note.end - note.start;
    const Ticks span = (articulation || silence == 0) ? next - note.start : note.end - note.start;
    if (span >= 1 && note.folded) ++report.foldedNotes;
    builder.Note(span, note.pitchCode);
    if (!articulation) builder.Silence(silence);
  }
  return builder.Finish();
}

std::vector<HandsetLine> Refit(const std::vector<HandsetLine>& lines) {
  std::vector<PlacedNote> notes;
  Ticks at = 0;
  for (const HandsetLine& line : lines) {
    const Ticks ticks = LengthTicks(line.lengthCode);
    if (line.pitchCode != kRestPitch) notes.push_back({at, at + ticks, line.pitchCode, false});
    at += ticks;
  }
  FitReport unchanged;
  return LinesOfSpans(notes, at, unchanged);
}

// The notes that sound one at a time, in order: of notes starting together
// the highest, and of notes that overlap the higher one. A higher note that
// starts while a lower one sounds cuts it short.
std::vector<TimedNote> MelodyLine(std::vector<TimedNote> notes, FitReport& report) {
  for (TimedNote& note : notes) {
    note.start = std::max<Ticks>(note.start, 0);
    note.end = std::max(note.end, note.start);
  }
  std::stable_sort(notes.begin(), notes.end(), [](const TimedNote& a, const TimedNote& b) {
    return a.start != b.start ? a.start < b.start : a.key > b.key;
  });
  std::vector<TimedNote> line;
  for (const TimedNote& note : notes) {
    if (!line.empty() && note.start < line.back().end) {
      TimedNote& sounding = line.back();
      if (note.start == sounding.start || note.key <= sounding.key) {
        ++report.chordNotesDropped;
        continue;
      }
      sounding.end = note.start;
    }
    line.push_back(note);
  }
  return line;
}

// The tempo that holds longest in real time, in microseconds per quarter,
// and how many changes of tempo there were within the tune.
std::pair<std::int64_t, int> LongestTempo(const SourceTune& source, Ticks tuneEnd) {
  std::vector<TempoChange> tempos = source.tempos;
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  // The tempo in force from each tick on; of changes at one tick the last holds.
  std::vector<TempoChange> steps = {{0, kDefaultMicrosecondsPerQuarter}};
  for (TempoChange change : tempos) {
    change.tick = std::max<Ticks>(change.tick, 0);
    change.microsecondsPerQuarter =
        std::clamp<std::int64_t>(change.microsecondsPerQuarter, 1, kSlowestMicrosecondsPerQuarter);
    if (change.tick >= tuneEnd && tuneEnd > 0) break;
    if (change.tick == steps.back().tick) {
      steps.back() = change;
    } else if (change.microsecondsPerQuarter != steps.back().microsecondsPerQuarter) {
      steps.push_back(change);
    }
  }
  std::int64_t longest = steps.front().microsecondsPerQuarter;
  double longestTime = -1;
  int changes = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i > 0 && steps[i].microsecondsPerQuarter != steps[i - 1].microsecondsPerQuarter) ++changes;
    const Ticks until = i + 1 < steps.size() ? steps[i + 1].tick : std::max(tuneEnd, steps[i].tick);
    const double time = static_cast<double>(until - steps[i].tick) *
                        static_cast<double>(steps[i].microsecondsPerQuarter);
    if (time > longestTime) {
      longestTime = time;
      longest = steps[i].microsecondsPerQuarter;
    }
  }
  return {longest, changes};
}

// The even tempo nearest to 57,600,000 / microseconds × 2^doublings.
int EvenTempo(std::int64_t microseconds, int doublings) {
  std::int64_t numerator = kTempoTimesMicroseconds;
  std::int64_t denominator = 2 * microseconds;
  if (doublings >= 0) {
    numerator <<= doublings;
  } else {
    denominator <<= -doublings;
  }
  return static_cast<int>(2 * ((2 * numerator + denominator) / (2 * denominator)));
}

// The length with half the ticks of the line's, when there is one.
const Length* HalfOf(int lengthCode) {
  const Ticks ticks = LengthTicks(lengthCode);
  if (ticks % 2 != 0) return nullptr;
  for (const Length& length : kLengthsLongestFirst) {
    if (length.ticks == ticks / 2) return &length;
  }
  return nullptr;
}

bool HalveEveryLength(std::vector<HandsetLine>& lines) {
  for (const HandsetLine& line : lines) {
    if (!HalfOf(line.lengthCode)) return false;
  }
  for (HandsetLine& line : lines) line.lengthCode = HalfOf(line.lengthCode)->code;
  return true;
}

// Bytes a song name cannot hold in an ALS file: its own end byte, and the
// byte the reader drops.
std::string StoredName(const std::string& name) {
  std::string stored;
  for (char byte : name) {
    if (byte != '\0' && static_cast<unsigned char>(byte) != 0xFD) stored += byte;
  }
  return stored;
}

}  // namespace

int PitchCodeOfMidiKey(int midiKey, bool* folded) {
  int key = midiKey;
  const int pitchClass = (midiKey % kKeysPerOctave + kKeysPerOctave) % kKeysPerOctave;
  if (midiKey < kLowestMidiKey) key = kLowestMidiKey + pitchClass;
  if (midiKey > kHighestMidiKey) key = kHighestMidiKey - (kKeysPerOctave - 1) + pitchClass;
  if (folded) *folded = key != midiKey;
  return kLowestPitch + key - kLowestMidiKey;
}

int MidiKeyOfPitchCode(int pitchCode) {
  return kLowestMidiKey + pitchCode - kLowestPitch;
}

HandsetTune FitToHandset(const SourceTune& source, FitReport& report) {
  if (source.ticksPerQuarter < 1) throw ConversionError("曲の分解能が正しくありません。");
  const std::vector<TimedNote> notes = MelodyLine(source.notes, report);
  Ticks tuneEnd = std::max<Ticks>(source.endTick, 0);
  for (const TimedNote& note : notes) tuneEnd = std::max(tuneEnd, note.end);

  HandsetTune tune;
  tune.name = StoredName(source.name);
  const auto [microseconds, changes] = LongestTempo(source, tuneEnd);
  report.tempoChangesFlattened += changes;

  // A slow tune plays at twice the tempo with twice the lengths, as often as
  // needed; a fast one is halved later, on its lengths.
  int doublings = 0;
  while (EvenTempo(microseconds, doublings) < kMinFittedTempo) ++doublings;
  int tempo = EvenTempo(microseconds, doublings);

  const Ticks division = source.ticksPerQuarter;
  if (tuneEnd / division > (kMaxQuarters >> doublings)) {
    throw ConversionError("曲が長すぎて変換できません。");
  }
  // Source tick to handset tick, rounded to the nearest: within the bound
  // above this stays far inside 64 bits.
  const Ticks scale = kTicksPerQuarter << doublings;
  const auto place = [&](Ticks tick) { return (2 * tick * scale + division) / (2 * division); };

  std::vector<PlacedNote> placed;
  placed.reserve(notes.size());
  for (const TimedNote& note : notes) {
    bool folded = false;
    const int pitchCode = PitchCodeOfMidiKey(note.key, &folded);
    placed.push_back({place(note.start), place(note.end), pitchCode, folded});
  }
  tune.lines = LinesOfSpans(placed, place(tuneEnd), report);

  while (tempo > kMaxFittedTempo) {
    if (!HalveEveryLength(tune.lines)) {
      tempo = kMaxFittedTempo;
      report.tempoClamped = true;
      break;
    }
    tempo = EvenTempo(microseconds, --doublings);
  }
  tune.tempo = tempo;
  // Halving, and tuplets carried on, can leave rests in an order an import
  // would not write; the lines are made again from their own places, as an
  // import of their export makes them, so that such an import changes nothing.
  tune.lines = Refit(tune.lines);
  return tune;
}

std::vector<std::string> FitReport::Lines() const {
  std::vector<std::string> lines;
  const auto count = [&lines](int value, const char* text, const char* unit) {
    if (value > 0) lines.push_back(std::string(text) + ": " + std::to_string(value) + " " + unit);
  };
  count(foldedNotes, "音域外の音をオクターブ移動", "個");
  count(chordNotesDropped, "和音や重なりで省いた低い音", "個");
  count(shortSpansDropped, "128分音符より短くて省いた音", "個");
  count(tempoChangesFlattened, "一つのテンポにまとめたテンポ変更", "回");
  if (tempoClamped) lines.push_back("テンポを範囲に収められず、200 にしました");
  count(lengthsRounded, "書けない長さを近い長さに丸めた音", "個");
  return lines;
}

std::vector<std::string> ScoreLinesOf(const HandsetTune& tune) {
  std::vector<std::string> lines;
  lines.reserve(tune.lines.size());
  for (const HandsetLine& line : tune.lines) {
    const std::string label =
        line.pitchCode == kRestPitch ? kRestLabel : PitchLabel(line.pitchCode);
    lines.push_back(ComposeScoreLine(label, LengthIndexOf(line.lengthCode), line.pitchCode));
  }
  return lines;
}

void PutIntoMelody(const HandsetTune& tune, Melody& melody) {
  Melody::ChangeBatch batch(melody);
  melody.ReplaceLines(0, melody.Count(), ScoreLinesOf(tune));
  melody.SetSongName(tune.name);
  melody.SetTempo(tune.tempo);
}

HandsetTune HandsetTuneOf(const Melody& melody) {
  HandsetTune tune;
  tune.name = melody.SongName();
  tune.tempo = melody.Tempo();
  tune.lines.reserve(melody.Lines().size());
  for (const std::string& line : melody.Lines()) {
    const ScoreCodes codes = ParseScoreLine(line);
    tune.lines.push_back({codes.lengthCode, codes.pitchCode});
  }
  return tune;
}

}  // namespace melopad
