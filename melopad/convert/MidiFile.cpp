#include "melopad/convert/MidiFile.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/TuneFitting.h"
#include "melopad/model/Notes.h"

namespace melopad {

namespace {

constexpr int kDrumChannel = 9;  // channel 10, counted from 1
constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kMetaTrackName = 0x03;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kVelocity = 100;
constexpr int kTicksPerHandsetTick = kWrittenMidiDivision / kTicksPerBeat;
constexpr std::uint32_t kLongestDelta = 0x0FFFFFFF;

[[noreturn]] void Refuse(const char* message) {
  throw ConversionError(message);
}
[[noreturn]] void Truncated() {
  Refuse("MIDI ファイルが途中で切れているか壊れています。");
}

// Reads bytes forward, never past the end: every read checks first.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool AtEnd() const { return at_ >= bytes_.size(); }
  std::size_t Left() const { return bytes_.size() - at_; }
  std::uint8_t Peek() const {
    if (AtEnd()) Truncated();
    return bytes_[at_];
  }
  std::uint8_t Byte() {
    const std::uint8_t byte = Peek();
    ++at_;
    return byte;
  }
  std::uint32_t BigEndian(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | Byte();
    return value;
  }
  // A variable-length quantity: at most four bytes, seven bits each.
  std::uint32_t Quantity() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t byte = Byte();
      value = value << 7 | (byte & 0x7F);
      if (!(byte & 0x80)) return value;
    }
    Truncated();
  }
  std::span<const std::uint8_t> Take(std::size_t count) {
    if (count > Left()) Truncated();
    const auto taken = bytes_.subspan(at_, count);
    at_ += count;
    return taken;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

struct Track {
  std::string name;
  std::vector<TimedNote> notes;  // outside channel 10
  int drumNotes = 0;
  std::vector<TempoChange> tempos;
  std::int64_t end = 0;
};

struct MidiFile {
  int division = 0;
  std::vector<std::span<const std::uint8_t>> tracks;
};

MidiFile SplitFile(std::span<const std::uint8_t> bytes) {
  Reader file(bytes);
  if (bytes.size() < 14 ||
      std::string_view(reinterpret_cast<const char*>(bytes.data()), 4) != "MThd") {
    Refuse("MIDI ファイルではありません。");
  }
  file.Take(4);
  const std::uint32_t headerSize = file.BigEndian(4);
  if (headerSize < 6) Truncated();
  Reader header(file.Take(headerSize));
  const std::uint32_t format = header.BigEndian(2);
  header.BigEndian(2);  // the number of tracks: the chunks themselves are counted
  const std::uint32_t division = header.BigEndian(2);
  if (format > 1) Refuse("MIDI ファイルの形式 2 には対応していません。");
  if (division & 0x8000) Refuse("時間をタイムコードで数える MIDI ファイルには対応していません。");
  if (division == 0) Refuse("MIDI ファイルの分解能が 0 です。");
  MidiFile midi;
  midi.division = static_cast<int>(division);
  while (!file.AtEnd()) {
    const auto id = file.Take(4);
    const std::uint32_t size = file.BigEndian(4);
    const auto chunk = file.Take(size);
    if (std::equal(id.begin(), id.end(), "MTrk")) midi.tracks.push_back(chunk);
  }
  if (midi.tracks.empty()) Refuse("MIDI ファイルにトラックがありません。");
  return midi;
}

// One track's events: running status, note on with velocity 0 as note off,
// a note on of a key already sounding ending it first; meta events other
// than the name, the tempo and the end, and system-exclusive data, skipped.
Track ReadTrack(std::span<const std::uint8_t> bytes, long& notesInFile) {
  Reader events(bytes);
  Track track;
  bool named = false;
  std::int64_t tick = 0;
  std::uint8_t running = 0;  // the status of the last channel message
  // The start of each sounding note by channel and key.
  std::map<std::pair<int, int>, std::int64_t> sounding;
  const auto endNote = [&](int channel, int key) {
    const auto found = sounding.find({channel, key});
    if (found == sounding.end()) return;
    if (channel != kDrumChannel) track.notes.push_back({found->second, tick, key});
    sounding.erase(found);
  };
  while (!events.AtEnd()) {
    tick += events.Quantity();
    std::uint8_t status = running;
    if (events.Peek() & 0x80) {
      status = events.Byte();
      if (status < 0xF0) running = status;
    }
    // Meta and system-exclusive events leave the running status as it was:
    // files in the wild rely on that, and it costs nothing.
    if (status == kMetaEvent) {
      const std::uint8_t type = events.Byte();
      const auto data = events.Take(events.Quantity());
      if (type == kMetaEndOfTrack) break;
      if (type == kMetaTrackName && !named) {
        track.name.assign(data.begin(), data.end());
        named = true;
      }
      if (type == kMetaTempo && data.size() == 3) {
        const std::int64_t microseconds = data[0] << 16 | data[1] << 8 | data[2];
        if (microseconds > 0) track.tempos.push_back({tick, microseconds});
      }
    } else if (status == 0xF0 || status == 0xF7) {
      events.Take(events.Quantity());
    } else if (status >= 0x80 && status < 0xF0) {
      const int kind = status & 0xF0;
      const int channel = status & 0x0F;
      const std::uint8_t first = events.Byte();
      const bool twoBytes = kind != 0xC0 && kind != 0xD0;
      const std::uint8_t second = twoBytes ? events.Byte() : 0;
      if ((first | second) & 0x80) Truncated();
      if (kind == kNoteOn && second > 0) {
        if (++notesInFile > kMaxImportedNotes) {
          Refuse("MIDI ファイルの音が多すぎます (100 万個まで)。");
        }
        endNote(channel, first);
        sounding[{channel, first}] = tick;
        if (channel == kDrumChannel) ++track.drumNotes;
      } else if (kind == kNoteOff || kind == kNoteOn) {
        endNote(channel, first);
      }
    } else {
      Truncated();  // a data byte with no status before it, or a system message
    }
  }
  while (!sounding.empty()) endNote(sounding.begin()->first.first, sounding.begin()->first.second);
  track.end = tick;
  std::sort(track.notes.begin(), track.notes.end(),
            [](const TimedNote& a, const TimedNote& b) { return a.start < b.start; });
  return track;
}

std::vector<Track> ReadTracks(const MidiFile& midi) {
  std::vector<Track> tracks;
  long notesInFile = 0;
  for (const auto& bytes : midi.tracks) tracks.push_back(ReadTrack(bytes, notesInFile));
  return tracks;
}

void PutQuantity(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value && count < 4);
  while (count > 1) out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
  out.push_back(groups[0]);
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int count) {
  for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<MidiTrackInfo> ListMidiTracks(std::span<const std::uint8_t> bytes) {
  std::vector<MidiTrackInfo> list;
  for (const Track& track : ReadTracks(SplitFile(bytes))) {
    list.push_back({track.name, static_cast<int>(track.notes.size()), track.drumNotes});
  }
  return list;
}

int DefaultMidiTrack(const std::vector<MidiTrackInfo>& tracks) {
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    if (tracks[i].noteCount > 0) return static_cast<int>(i);
  }
  for (const MidiTrackInfo& track : tracks) {
    if (track.drumNoteCount > 0) Refuse("MIDI ファイルの音がすべてドラム (チャンネル 10) です。");
  }
  Refuse("MIDI ファイルに音がありません。");
}

SourceTune ReadMidiTrack(std::span<const std::uint8_t> bytes, int trackIndex) {
  const MidiFile midi = SplitFile(bytes);
  std::vector<Track> tracks = ReadTracks(midi);
  if (trackIndex < 0 || static_cast<std::size_t>(trackIndex) >= tracks.size()) {
    Refuse("MIDI ファイルにその番号のトラックはありません。");
  }
  Track& track = tracks[static_cast<std::size_t>(trackIndex)];
  if (track.notes.empty()) {
    Refuse(track.drumNotes > 0 ? "そのトラックの音はすべてドラム (チャンネル 10) です。"
                               : "そのトラックには音がありません。");
  }
  SourceTune tune;
  tune.name = !track.name.empty() ? track.name : tracks.front().name;
  tune.ticksPerQuarter = midi.division;
  for (const Track& each : tracks) {
    tune.tempos.insert(tune.tempos.end(), each.tempos.begin(), each.tempos.end());
  }
  std::stable_sort(tune.tempos.begin(), tune.tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  tune.notes = std::move(track.notes);
  tune.endTick = track.end;
  return tune;
}

std::vector<std::uint8_t> WriteMidiFile(const HandsetTune& tune) {
  std::vector<std::uint8_t> events;
  const auto meta = [&events](std::uint8_t type, std::span<const std::uint8_t> data) {
    events.insert(events.end(), {0, kMetaEvent, type});
    PutQuantity(events, static_cast<std::uint32_t>(data.size()));
    events.insert(events.end(), data.begin(), data.end());
  };
  if (!tune.name.empty()) {
    meta(kMetaTrackName,
         std::span(reinterpret_cast<const std::uint8_t*>(tune.name.data()), tune.name.size()));
  }
  const int tempo = std::max(tune.tempo, 1);
  const std::uint32_t microseconds =
      static_cast<std::uint32_t>((kTempoTimesMicroseconds + tempo / 2) / tempo);
  const std::uint8_t tempoData[] = {static_cast<std::uint8_t>(microseconds >> 16),
                                    static_cast<std::uint8_t>(microseconds >> 8),
                                    static_cast<std::uint8_t>(microseconds)};
  meta(kMetaTempo, tempoData);
  // Rests are the time before the next event, which one delta must hold.
  std::uint32_t waiting = 0;
  for (const HandsetLine& line : tune.lines) {
    const std::uint32_t ticks =
        static_cast<std::uint32_t>(LengthTicks(line.lengthCode) * kTicksPerHandsetTick);
    if (!IsNotePitch(line.pitchCode)) {
      if (waiting > kLongestDelta - ticks) Refuse("休符が長すぎて MIDI ファイルに書けません。");
      waiting += ticks;
      continue;
    }
    const auto key = static_cast<std::uint8_t>(MidiKeyOfPitchCode(line.pitchCode));
    PutQuantity(events, waiting);
    events.insert(events.end(), {kNoteOn, key, kVelocity});
    PutQuantity(events, ticks);
    events.insert(events.end(), {kNoteOff, key, kVelocity});
    waiting = 0;
  }
  PutQuantity(events, waiting);
  events.insert(events.end(), {kMetaEvent, kMetaEndOfTrack, 0});

  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
  PutBigEndian(file, kWrittenMidiDivision, 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  PutBigEndian(file, static_cast<std::uint32_t>(events.size()), 4);
  file.insert(file.end(), events.begin(), events.end());
  return file;
}

}  // namespace melopad
