// RTTTL read into a source tune, with RTTTL's defaults for what a text
// leaves out, and written from handset lines as short text that reads back.
#include "melopad/convert/Rtttl.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "melopad/convert/ConversionError.h"

namespace melopad {
namespace {

using Notes = std::vector<std::array<std::int64_t, 3>>;  // start, end, key; a quarter is 96

Notes NotesOf(const SourceTune& tune) {
  Notes notes;
  for (const TimedNote& note : tune.notes) notes.push_back({note.start, note.end, note.key});
  return notes;
}

// The handset tempo a reader of RTTTL makes of the tune's tempo: the even
// tempo nearest to 0.96 quarters a minute.
int HandsetTempoOf(const SourceTune& tune) {
  const double beats = 60e6 / static_cast<double>(tune.tempos.at(0).microsecondsPerQuarter);
  return 2 * static_cast<int>(std::lround(0.48 * beats));
}

std::string ErrorOf(const std::string& text) {
  try {
    ReadRtttl(text);
  } catch (const ConversionError& error) {
    return error.what();
  }
  return "no error";
}

TEST(RtttlRead, TakesRtttlDefaultsAndEveryNoteForm) {
  const struct {
    std::string text;
    std::string name;
    std::int64_t microsecondsPerQuarter;
    Notes notes;
  } cases[] = {
      {"x::c", "x", 952381, {{0, 96, 84}}},  // d=4, o=6, b=63
      {"x:o=4:c", "x", 952381, {{0, 96, 60}}},
      {"x:d=2:c", "x", 952381, {{0, 192, 84}}},
      {"x:b=200:c", "x", 300000, {{0, 96, 84}}},
      {"x:d=8,o=5,b=120:c,d", "x", 500000, {{0, 48, 72}, {48, 96, 74}}},
      {"x::c.5,c5.,1c4,32c4.",
       "x",
       952381,
       {{0, 144, 72}, {144, 288, 72}, {288, 672, 60}, {672, 690, 60}}},
      {"x::c#4,a#.4,h4,b#4",
       "x",
       952381,
       {{0, 96, 61}, {96, 240, 70}, {240, 336, 71}, {336, 432, 72}}},
      {"x::8p,c4,p.,c4", "x", 952381, {{48, 144, 60}, {288, 384, 60}}},
      {"x::c0,b8", "x", 952381, {{0, 96, 12}, {96, 192, 119}}},
      {" My Tune : D = 8 , O = 5 , B = 120 :\r\n 16C# 5 , P , A. \n",
       "My Tune",
       500000,
       {{0, 24, 73}, {72, 144, 81}}},
      {"\x82\xa0 :b=63:c", "\x82\xa0", 952381, {{0, 96, 84}}},
  };
  for (const auto& c : cases) {
    const SourceTune tune = ReadRtttl(c.text);
    EXPECT_EQ(tune.name, c.name) << c.text;
    EXPECT_EQ(tune.ticksPerQuarter, 96) << c.text;
    ASSERT_EQ(tune.tempos.size(), 1u) << c.text;
    EXPECT_EQ(tune.tempos[0].tick, 0) << c.text;
    EXPECT_EQ(tune.tempos[0].microsecondsPerQuarter, c.microsecondsPerQuarter) << c.text;
    EXPECT_EQ(NotesOf(tune), c.notes) << c.text;
  }
}

TEST(RtttlRead, RefusesAnythingElseNamingThePosition) {
  const std::string kLength = "の値は使えません(長さは 1, 2, 4, 8, 16, 32 のどれか)";
  const std::string kOctave = "の値は使えません(オクターブは 0 から 8 まで)";
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"no sections", "RTTTL ではありません(「名前:既定値:音符」の形になっていません)"},
      {"x:d=4", "RTTTL が途中で終わっています"},
      {"x::c,", "RTTTL が途中で終わっています"},
      {"x:d=4:", "RTTTL に音符がありません"},
      {"x::p,p", "RTTTL に音符がありません"},
      {"x: d=3:c", "RTTTL の 6 文字目" + kLength},
      {"x::c,64c", "RTTTL の 6 文字目" + kLength},
      {"x:o=9:c", "RTTTL の 5 文字目" + kOctave},
      {"x::c9", "RTTTL の 5 文字目" + kOctave},
      {"x:b=999999999999:c", "RTTTL の 5 文字目の値は使えません(テンポ b は 1 から 900 まで)"},
      {"x:b=0:c", "RTTTL の 5 文字目の値は使えません(テンポ b は 1 から 900 まで)"},
      {"x:q=4:c", "RTTTL の 3 文字目が読めません"},
      {"x:d=:c", "RTTTL の 5 文字目が読めません"},
      {"x::c,x", "RTTTL の 6 文字目が読めません"},
      {"x::c.6.", "RTTTL の 7 文字目が読めません"},
      {"x::c10", "RTTTL の 6 文字目が読めません"},
      {"x::p#", "RTTTL の 5 文字目が読めません"},
      {"x::c:d", "RTTTL の 5 文字目が読めません"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.text), c.message) << c.text;
}

TEST(RtttlRead, RefusesMoreThanAMillionNotes) {
  std::string text = "x::c";
  for (int i = 1; i < 1'000'000; ++i) text += ",c";
  EXPECT_EQ(ReadRtttl(text + ",p").notes.size(), 1'000'000u);
  EXPECT_EQ(ErrorOf(text + ",c"), "RTTTL の音符が 1000000 個を超えるため読み込めません");
}

TEST(RtttlWrite, CleansTheNameRoundsLengthsAndPicksTheShortestDefaults) {
  const HandsetLine c4{196, 51};
  const HandsetLine eighthC5{198, 63};
  const struct {
    HandsetTune tune;
    std::string text;
    int lengthsRounded;
  } cases[] = {
      {{"", 120, {c4}}, "melopad:b=125:c4", 0},
      {{"\x82\xa0"
        "ab:c\t",
        60,
        {c4}},
       "__ab_c_::c4",
       0},  // b=63 is RTTTL's own
      {{std::string(40, 'a'), 96, {c4}}, std::string(32, 'a') + ":b=99:c4", 0},
      {{"x", 120, std::vector(6, eighthC5)}, "x:d=8,o=5,b=125:c,c,c,c,c,c", 0},
      {{"x", 120, {{193, 0}, {196, 74}, {196, 40}}}, "x:b=125:2p.,b5,c#3", 0},
      // Triplets, quintuplet, 64th, 128th: 10, 5, 6, 2, 1 ticks of 32 a quarter.
      {{"x", 120, {{199, 51}, {200, 51}, {202, 51}, {204, 51}, {205, 51}}},
       "x:d=32,o=4,b=125:16c.,c.,c.,c,c",
       4},
  };
  for (const auto& c : cases) {
    FitReport report;
    EXPECT_EQ(WriteRtttl(c.tune, report), c.text);
    EXPECT_EQ(report.lengthsRounded, c.lengthsRounded) << c.text;
  }
  FitReport report;
  EXPECT_THROW(WriteRtttl({"x", 120, {{196, 0}}}, report), ConversionError);
}

TEST(RtttlWrite, ReadsBackAsTheSameKeysLengthsAndTempo) {
  // Ticks of 32 a quarter that each length code reads back as.
  const int kWrittenTicks[] = {128, 96, 64, 48, 32, 24, 16, 12, 6, 8, 6, 4, 4, 4};
  HandsetTune tune{"x", 0, {}};
  Notes expected;
  std::int64_t tick = 0;
  for (int i = 0; i < 14 * 3; ++i) {
    const HandsetLine line{192 + i % 14, i % 5 == 0 ? 0 : 39 + i % 36};
    tune.lines.push_back(line);
    const std::int64_t end = tick + kWrittenTicks[i % 14] * 3;
    if (line.pitchCode != 0) expected.push_back({tick, end, line.pitchCode + 9});
    tick = end;
  }
  for (int tempo = 76; tempo <= 200; tempo += 2) {
    tune.tempo = tempo;
    FitReport report;
    const SourceTune read = ReadRtttl(WriteRtttl(tune, report));
    EXPECT_EQ(HandsetTempoOf(read), tempo);
    EXPECT_EQ(NotesOf(read), expected) << tempo;
  }
}

}  // namespace
}  // namespace melopad
