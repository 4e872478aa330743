// The one mapping of notes and time between other formats and the handset:
// fitting, MIDI reading and writing, WAVE rendering.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/MidiFile.h"
#include "melopad/convert/ToneSamples.h"
#include "melopad/convert/TuneFitting.h"
#include "melopad/convert/WavExport.h"

namespace melopad {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::pair<int, int>>;  // length code, pitch code

constexpr int kQuarter = 480;  // source ticks of a quarter note in these tests

Lines LinesOf(const HandsetTune& tune) {
  Lines lines;
  for (const HandsetLine& line : tune.lines) lines.push_back({line.lengthCode, line.pitchCode});
  return lines;
}

SourceTune Tune(std::vector<TimedNote> notes, std::int64_t microsecondsPerQuarter = 500'000) {
  SourceTune tune;
  tune.ticksPerQuarter = kQuarter;
  tune.tempos = {{0, microsecondsPerQuarter}};
  tune.notes = std::move(notes);
  return tune;
}

// A MIDI file from tracks of raw events (delta, status and data bytes each).
Bytes Midi(const std::vector<Bytes>& tracks, int format = 1, int division = kQuarter) {
  Bytes file = {'M',
                'T',
                'h',
                'd',
                0,
                0,
                0,
                6,
                0,
                static_cast<std::uint8_t>(format),
                0,
                static_cast<std::uint8_t>(tracks.size()),
                static_cast<std::uint8_t>(division >> 8),
                static_cast<std::uint8_t>(division)};
  for (const Bytes& events : tracks) {
    file.insert(file.end(), {'M', 'T', 'r', 'k', 0, static_cast<std::uint8_t>(events.size() >> 16),
                             static_cast<std::uint8_t>(events.size() >> 8),
                             static_cast<std::uint8_t>(events.size())});
    file.insert(file.end(), events.begin(), events.end());
  }
  return file;
}

TEST(TuneFitting, AScaleOverFourOctavesIsFoldedIntoTheKeysKeepingEachPitchClass) {
  const struct {
    int key, pitchCode;
    bool folded;
  } cases[] = {
      {36, 39, true},  {43, 46, true},  {47, 50, true},  {48, 39, false}, {55, 46, false},
      {60, 51, false}, {71, 62, false}, {72, 63, false}, {83, 74, false}, {84, 63, true},
      {91, 70, true},  {95, 74, true},  {0, 39, true},   {127, 70, true},
  };
  std::vector<TimedNote> scale;
  int folded = 0;
  for (const auto& c : cases) {
    const auto at = static_cast<std::int64_t>(scale.size()) * kQuarter;
    scale.push_back({at, at + kQuarter, c.key});
    folded += c.folded;
  }
  FitReport report;
  const HandsetTune tune = FitToHandset(Tune(scale), report);
  ASSERT_EQ(tune.lines.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(tune.lines[i].pitchCode, cases[i].pitchCode) << "MIDI note " << cases[i].key;
    EXPECT_EQ(tune.lines[i].lengthCode, 196) << "MIDI note " << cases[i].key;
  }
  EXPECT_EQ(report.foldedNotes, folded);
  EXPECT_EQ(report.Lines().size(), 1u);
}

TEST(TuneFitting, OverlappingNotesKeepTheHighestSounding) {
  const struct {
    const char* what;
    std::vector<TimedNote> notes;
    Lines lines;
    int dropped;
  } cases[] = {
      {"a chord keeps its top note", {{0, 480, 60}, {0, 480, 67}, {0, 480, 64}}, {{196, 58}}, 2},
      {"a lower note under a higher one is dropped",
       {{0, 480, 72}, {240, 720, 60}, {480, 960, 71}},
       {{196, 63}, {196, 62}},
       1},
      {"a higher note cuts a lower one short",
       {{0, 960, 60}, {480, 960, 72}},
       {{196, 51}, {196, 63}},
       0},
  };
  for (const auto& c : cases) {
    FitReport report;
    EXPECT_EQ(LinesOf(FitToHandset(Tune(c.notes), report)), c.lines) << c.what;
    EXPECT_EQ(report.chordNotesDropped, c.dropped) << c.what;
  }
}

TEST(TuneFitting, TheTempoIsBroughtIntoRangeByDoublingOrHalvingTheLengths) {
  const struct {
    std::int64_t microseconds;
    int ticks;  // source length of each of the two notes
    int tempo;
    Lines lines;
    bool clamped;
  } cases[] = {
      {500'000, 480, 116, {{196, 51}, {196, 51}}, false},    // 120 a minute: 115.2
      {1'000'000, 480, 116, {{194, 51}, {194, 51}}, false},  // 60: doubled
      {2'000'000, 480, 116, {{192, 51}, {192, 51}}, false},  // 30: doubled twice
      {250'000, 480, 116, {{198, 51}, {198, 51}}, false},    // 240: halved
      {250'000, 160, 116, {{200, 51}, {200, 51}}, false},    // triplets halved
      {250'000, 360, 200, {{197, 51}, {197, 51}}, true},     // a dotted eighth cannot be halved
      {288'000, 480, 200, {{196, 51}, {196, 51}}, false},
  };
  for (const auto& c : cases) {
    FitReport report;
    const HandsetTune tune =
        FitToHandset(Tune({{0, c.ticks, 60}, {c.ticks, 2 * c.ticks, 60}}, c.microseconds), report);
    EXPECT_EQ(tune.tempo, c.tempo) << c.microseconds << " us, " << c.ticks << " ticks";
    EXPECT_EQ(LinesOf(tune), c.lines) << c.microseconds << " us, " << c.ticks << " ticks";
    EXPECT_EQ(report.tempoClamped, c.clamped) << c.microseconds << " us, " << c.ticks << " ticks";
  }
  // Halved rests in a row are written again as an import would write them.
  FitReport report;
  EXPECT_EQ(LinesOf(FitToHandset(Tune({{0, 480, 60}, {3360, 3840, 60}}, 250'000), report)),
            (Lines{{198, 51}, {193, 0}, {198, 51}}));
}

TEST(TuneFitting, TheTempoThatHoldsLongestIsKeptAndTheChangesCounted) {
  SourceTune tune = Tune({{0, 4 * kQuarter, 60}});
  tune.tempos = {
      {0, 600'000}, {kQuarter, 500'000}, {2 * kQuarter, 600'000}, {3 * kQuarter, 1'000'000}};
  FitReport report;
  EXPECT_EQ(FitToHandset(tune, report).tempo, 116);  // 1 s for the last quarter; doubled
  EXPECT_EQ(report.tempoChangesFlattened, 3);
}

TEST(TuneFitting, SpansBecomeTheLengthsAMusicianWrites) {
  const int n = 60, p = 51;
  const struct {
    const char* what;
    std::vector<TimedNote> notes;
    Lines lines;
    int shortDropped;
  } cases[] = {
      {"triplets stay triplets",
       {{0, 160, n}, {160, 320, n}, {320, 480, n}, {480, 960, n}},
       {{199, p}, {199, p}, {199, p}, {196, p}},
       0},
      {"sixteenth triplets",
       {{0, 80, n}, {80, 160, n}, {160, 240, n}},
       {{200, p}, {202, p}, {200, p}},
       0},
      {"a short gap is articulation", {{0, 450, n}, {480, 960, n}}, {{196, p}, {196, p}}, 0},
      {"a sixteenth's gap is a rest",
       {{0, 360, n}, {480, 960, n}},
       {{197, p}, {201, 0}, {196, p}},
       0},
      {"a gap as long as the note is a rest",
       {{0, 30, n}, {90, 120, n}},
       {{204, p}, {203, 0}, {204, p}},
       0},
      {"a dotted sixteenth is a sixteenth and a rest",
       {{0, 180, n}, {180, 660, n}},
       {{201, p}, {203, 0}, {196, p}},
       0},
      {"a leading silence is a rest", {{480, 960, n}}, {{196, 0}, {196, p}}, 0},
      {"a long silence is whole rests, longest first",
       {{0, 480, n}, {3360, 3840, n}},
       {{196, p}, {192, 0}, {194, 0}, {196, p}},
       0},
      {"a span under a 128th is dropped", {{0, 5, n}, {5, 485, n}}, {{196, p}}, 1},
  };
  for (const auto& c : cases) {
    FitReport report;
    EXPECT_EQ(LinesOf(FitToHandset(Tune(c.notes), report)), c.lines) << c.what;
    EXPECT_EQ(report.shortSpansDropped, c.shortDropped) << c.what;
  }
}

TEST(MidiFile, AnExportedTuneReadsBackAsTheSameMelody) {
  HandsetTune tune;
  tune.name = "かえるのうた";
  tune.tempo = 120;
  tune.lines = {{196, 39}, {198, 0}, {199, 74}, {199, 51}, {199, 52}, {195, 60}, {194, 0},
                {205, 61}, {200, 0}, {202, 40}, {201, 41}, {197, 42}, {193, 0}};
  const Bytes file = WriteMidiFile(tune);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 14),
            (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}));
  ASSERT_EQ(ListMidiTracks(file).size(), 1u);
  EXPECT_EQ(ListMidiTracks(file)[0].noteCount, 9);
  FitReport report;
  const HandsetTune back = FitToHandset(ReadMidiTrack(file, 0), report);
  EXPECT_EQ(back.name, tune.name);
  EXPECT_EQ(back.tempo, tune.tempo);
  EXPECT_EQ(LinesOf(back), LinesOf(tune));
  EXPECT_TRUE(report.Empty()) << report.Lines().front();
  // A rest shorter than a sixteenth after a longer note joins it.
  tune.lines = {{203, 51}, {204, 0}, {196, 51}};
  EXPECT_EQ(LinesOf(FitToHandset(ReadMidiTrack(WriteMidiFile(tune), 0), report)),
            (Lines{{202, 51}, {196, 51}}));
}

TEST(MidiFile, ImportingAnImportExportedGivesTheSameLines) {
  // Two tracks (format 1): tempo 100 in the first, a played melody with
  // running status, uneven lengths and a chord in the second.
  const Bytes file = Midi({{0, 0xFF, 0x51, 3, 0x09, 0x27, 0xC0, 0, 0xFF, 0x2F, 0},
                           {0,    0xFF, 0x03, 2,  'M', 'e',  0, 0x91, 60, 90, 0,    64,   90,
                            0x83, 0x50, 60,   0,  0,   64,   0, 30,   67, 80, 0x81, 0x00, 67,
                            0,    0x83, 0x00, 72, 70,  0x8F, 0, 72,   0,  0,  0xFF, 0x2F, 0}});
  FitReport report;
  const HandsetTune first =
      FitToHandset(ReadMidiTrack(file, DefaultMidiTrack(ListMidiTracks(file))), report);
  EXPECT_EQ(first.name, "Me");
  EXPECT_EQ(first.tempo, 96);
  EXPECT_EQ(report.chordNotesDropped, 1);
  const HandsetTune again = FitToHandset(ReadMidiTrack(WriteMidiFile(first), 0), report);
  EXPECT_EQ(LinesOf(again), LinesOf(first));
  EXPECT_EQ(again.tempo, first.tempo);
  // The fuzzer's seeds, among them what it found: halved rests, carried tuplets.
  for (const auto& seed : std::filesystem::directory_iterator(MIDI_SEEDS)) {
    std::ifstream in(seed.path(), std::ios::binary);
    const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const HandsetTune fitted =
        FitToHandset(ReadMidiTrack(bytes, DefaultMidiTrack(ListMidiTracks(bytes))), report);
    EXPECT_EQ(LinesOf(FitToHandset(ReadMidiTrack(WriteMidiFile(fitted), 0), report)),
              LinesOf(fitted))
        << seed.path();
  }
}

TEST(MidiFile, BrokenOrUnsuitableFilesAreRefusedWithAMessage) {
  const Bytes note = {0, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
  Bytes truncated = Midi({note});
  truncated.resize(truncated.size() - 3);
  Bytes longChunk = Midi({note});
  longChunk[21] = 0x7F;
  const struct {
    const char* what;
    Bytes file;
    const char* message;
  } cases[] = {
      {"no MIDI file",
       {'R', 'I', 'F', 'F', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       "MIDI ファイルではありません。"},
      {"empty", {}, "MIDI ファイルではありません。"},
      {"time code division", Midi({note}, 1, 0xE250),
       "時間をタイムコードで数える MIDI ファイルには対応していません。"},
      {"format 2", Midi({note}, 2), "MIDI ファイルの形式 2 には対応していません。"},
      {"cut in a track", truncated, "MIDI ファイルが途中で切れているか壊れています。"},
      {"chunk longer than the file", longChunk, "MIDI ファイルが途中で切れているか壊れています。"},
      {"endless quantity", Midi({{0x80, 0x80, 0x80, 0x80, 0}}),
       "MIDI ファイルが途中で切れているか壊れています。"},
      {"data without status", Midi({{0, 60, 100}}),
       "MIDI ファイルが途中で切れているか壊れています。"},
      {"drums only", Midi({{0, 0x99, 36, 100, 10, 0x89, 36, 0}}),
       "MIDI ファイルの音がすべてドラム (チャンネル 10) です。"},
      {"no notes", Midi({{0, 0xFF, 0x2F, 0}}), "MIDI ファイルに音がありません。"},
  };
  for (const auto& c : cases) {
    try {
      ReadMidiTrack(c.file, DefaultMidiTrack(ListMidiTracks(c.file)));
      ADD_FAILURE() << c.what << ": read without complaint";
    } catch (const ConversionError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.what;
    }
  }
  EXPECT_THROW(ReadMidiTrack(Midi({note}), 1), ConversionError);
}

TEST(MidiFile, MoreThanAMillionNotesAreRefused) {
  Bytes events;
  for (int i = 0; i <= kMaxImportedNotes; ++i) events.insert(events.end(), {0, 0x90, 60, 1});
  try {
    ListMidiTracks(Midi({events}));
    ADD_FAILURE() << "read without complaint";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "MIDI ファイルの音が多すぎます (100 万個まで)。");
  }
}

TEST(WavExport, TheMelodySoundsAsTheEditorPlaysIt) {
  const HandsetTune tune{"", 120, {{196, 39}, {198, 0}, {205, 74}}};
  const Bytes wav = WriteWavFile(tune);
  const std::size_t samples = (480 + 240 + 15) * 8;
  ASSERT_EQ(wav.size(), 44 + 2 * samples);
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
  const auto sample = [&wav](std::size_t at) {
    return static_cast<std::int16_t>(wav[44 + 2 * at] | wav[45 + 2 * at] << 8);
  };
  // The editor's own sample, as the build wrote it for the resources, looped.
  std::ifstream resource(std::string(TONE_DIR) + "/SND27.wav", std::ios::binary);
  const Bytes snd27{std::istreambuf_iterator<char>(resource), std::istreambuf_iterator<char>()};
  const std::size_t frames = ToneFrames(39).size();
  ASSERT_EQ(frames, (snd27.size() - 46) / 2);
  for (std::size_t at = 0; at < 3840; ++at) {
    const std::size_t inSample = at % frames;
    ASSERT_EQ(sample(at),
              static_cast<std::int16_t>(snd27[46 + 2 * inSample] | snd27[47 + 2 * inSample] << 8))
        << "sample " << at;
  }
  EXPECT_EQ(sample(3840), 0);
  EXPECT_EQ(sample(5759), 0);
  EXPECT_EQ(sample(5761), ToneFrames(74)[1]);
}

}  // namespace
}  // namespace melopad
