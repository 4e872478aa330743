#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/model/Analysis.h"
#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"

namespace melopad {
namespace {

// A line is a note of the lowest key or a rest (pitch 0), with a length code.
struct Line {
  int pitchCode;
  int lengthCode;
};

Melody MelodyOf(const std::string& name, int tempo, const std::vector<Line>& lines) {
  Melody melody;
  melody.SetSongName(name);
  melody.SetTempo(tempo);
  for (const Line& line : lines) {
    melody.SetSelectedLengthIndex(LengthIndexOf(line.lengthCode));
    melody.InsertScoreLine(line.pitchCode == kRestPitch ? melody.MakeRestLine()
                                                        : melody.MakeNoteLine(line.pitchCode));
  }
  return melody;
}

TEST(AnalyzeMelody, ReportsNameSizeCountAndPlayingTime) {
  struct Case {
    const char* what;
    std::string name;
    int tempo;
    std::vector<Line> lines;
    std::string shownName;
    std::size_t size;
    int count;
    std::int64_t timeMs;
  };
  const Case cases[] = {
      {"one quarter note at 120", "ABC", 120, {{39, 196}}, "ABC", 2 + 3 + 6, 1, 480},
      {"one 128th rest at 75", "A", 75, {{0, 205}}, "A", 9, 1, 24},
      {"empty melody", "A", 120, {}, "A", 7, 0, 0},
      {"no name", "", 120, {{39, 192}, {0, 196}}, "名称未設定", 6 + 4, 2, 1920 + 480},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MelodyAnalysis analysis = AnalyzeMelody(MelodyOf(c.name, c.tempo, c.lines));
    EXPECT_EQ(analysis.songName, c.shownName);
    EXPECT_EQ(analysis.sizeBytes, c.size);
    EXPECT_EQ(analysis.lineCount, c.count);
    EXPECT_EQ(analysis.playingTimeMs, c.timeMs);
  }
}

TEST(AnalyzeMelody, PlayingTimeIsWhatThePlayerHoldsEveryLength) {
  std::vector<Line> lines;
  for (int index = 0; index < kLengthCount; ++index) lines.push_back({39, LengthCodeOf(index)});
  // 1920 + 1440 + 960 + 720 + 480 + 360 + 240 + 150 + 75 + 120 + 90 + 60 + 30 + 15
  EXPECT_EQ(AnalyzeMelody(MelodyOf("", 120, lines)).playingTimeMs, 6660);
}

// The player waits line by line, so each line loses its own remainder.
TEST(PlayingTimeMs, RoundsEachLineDownOnItsOwn) {
  // 1800 / 121 = 14.88 per 128th: two lines make 28, not 29.
  EXPECT_EQ(PlayingTimeMs(MelodyOf("", 121, {{0, 205}, {0, 205}})), 28);
  // 5 ticks at 200: 45 each.
  EXPECT_EQ(PlayingTimeMs(MelodyOf("", 200, {{39, 200}, {39, 200}, {39, 200}})), 135);
}

TEST(AlsFileSize, IsTheLengthOfTheFileTheWriterMakes) {
  for (const std::size_t nameLength : {0u, 1u, 4u, 100u, 243u, 244u, 245u, 300u}) {
    for (const int lines : {0, 1, 2, 119, 120, 121, 122, 123, 200}) {
      SCOPED_TRACE(testing::Message() << "name " << nameLength << ", lines " << lines);
      Melody melody;
      melody.SetSongName(std::string(nameLength, 'x'));
      for (int i = 0; i < lines; ++i) melody.InsertScoreLine(melody.MakeRestLine());
      EXPECT_EQ(AlsFileSize(melody), EncodeAlsFile(melody).size());
    }
  }
}

}  // namespace
}  // namespace melopad
