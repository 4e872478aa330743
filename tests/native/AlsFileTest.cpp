#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {
namespace {

using Bytes = std::vector<std::uint8_t>;

const char* const kMudai = "\x96\xb3\x91\xe8";  // 無題

// Header of a file named "A" at tempo 120.
Bytes HeaderA() {
  return {0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E};
}

Bytes HeaderAWith(const Bytes& tail) {
  Bytes bytes = HeaderA();
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  return bytes;
}

Melody NamedMelody(const std::string& name, int noteCount) {
  Melody melody;
  melody.SetSongName(name);
  for (int i = 0; i < noteCount; ++i) melody.InsertScoreLine(melody.MakeNoteLine(kLowestPitch));
  return melody;
}

// Notes and rests through all keys and all lengths, long enough for the
// continuation mark.
Melody VariedMelody() {
  Melody melody;
  melody.SetSongName(kMudai);
  melody.SetTempo(150);
  for (int i = 0; i < 3 * kKeyCount + 20; ++i) {
    melody.SetSelectedLengthIndex(i % kLengthCount);
    const bool rest = i % 5 == 4;
    melody.InsertScoreLine(rest ? melody.MakeRestLine()
                                : melody.MakeNoteLine(kLowestPitch + i % kKeyCount));
  }
  return melody;
}

std::vector<ScoreCodes> CodesOf(const Melody& melody) {
  std::vector<ScoreCodes> codes;
  for (const std::string& line : melody.Lines()) codes.push_back(ParseScoreLine(line));
  return codes;
}

TEST(EncodeAlsFile, EmptyMelodyIsHeaderAndEndByte) {
  EXPECT_EQ(EncodeAlsFile(NamedMelody("A", 0)), Bytes({0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E, 0xFF}));
  EXPECT_EQ(EncodeAlsFile(NamedMelody(kMudai, 0)),
            Bytes({0xE1, 0xF0, 0x96, 0xB3, 0x91, 0xE8, 0xFD, 0xF1, 0x7E, 0xFF}));
}

TEST(EncodeAlsFile, WritesLengthThenPitchForEachLine) {
  Melody melody = NamedMelody("A", 1);
  melody.InsertScoreLine(melody.MakeRestLine());
  melody.SetSelectedLengthIndex(8);
  melody.InsertScoreLine(melody.MakeNoteLine(kHighestPitch));
  EXPECT_EQ(EncodeAlsFile(melody), HeaderAWith({0xC4, 0x27, 0xC4, 0x00, 0xC8, 0x4A, 0xFF}));
}

TEST(EncodeAlsFile, StoresTempoHalved) {
  struct Case {
    int tempo;
    std::uint8_t tempoByte;
  };
  for (const Case& c : {Case{75, 0x67}, Case{120, 0x7E}, Case{121, 0x7E}, Case{200, 0xA6}}) {
    Melody melody;
    melody.SetTempo(c.tempo);
    EXPECT_EQ(EncodeAlsFile(melody)[4], c.tempoByte) << c.tempo;
  }
}

TEST(EncodeAlsFile, MarksOnceTheFirstPairFromOffset249) {
  struct Case {
    std::size_t nameLength;
    int noteCount;
    std::optional<std::size_t> markOffset;
  };
  for (const Case& c :
       {Case{4, 120, std::nullopt}, Case{4, 121, 249}, Case{4, 300, 249},
        Case{243, 1, std::nullopt}, Case{243, 2, 250}, Case{244, 1, 249}, Case{250, 3, 255}}) {
    SCOPED_TRACE(testing::Message() << "name " << c.nameLength << ", notes " << c.noteCount);
    const Bytes bytes = EncodeAlsFile(NamedMelody(std::string(c.nameLength, 'x'), c.noteCount));
    const std::size_t markCount = c.markOffset ? 1 : 0;
    ASSERT_EQ(bytes.size(), 6 + c.nameLength + 2 * c.noteCount + markCount);
    // Neither length nor pitch codes nor 'x' can be 0xA1, so every 0xA1 is a mark.
    EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), 0xA1)), markCount);
    if (c.markOffset) {
      EXPECT_EQ(bytes[*c.markOffset], 0xA1);
      EXPECT_EQ(bytes[*c.markOffset + 1], 0xC4);
      EXPECT_EQ(bytes[*c.markOffset + 2], 0x27);
    }
  }
}

TEST(DecodeAlsFile, ReadsNameTempoAndLinesAndClearsModified) {
  Melody melody = NamedMelody("old", 3);
  const AlsLoadOutcome outcome = DecodeAlsFile(HeaderAWith({0xC4, 0x27, 0xC6, 0x00, 0xFF}), melody);
  EXPECT_FALSE(outcome.LoadIncomplete);
  EXPECT_EQ(melody.SongName(), "A");
  EXPECT_EQ(melody.Tempo(), 120);
  // Loading inserts the same lines as typing the notes would.
  Melody typed;
  typed.InsertScoreLine(typed.MakeNoteLine(39));
  typed.SetSelectedLengthIndex(6);
  typed.InsertScoreLine(typed.MakeRestLine());
  EXPECT_EQ(melody.Lines(), typed.Lines());
  EXPECT_EQ(melody.SelectedIndex(), 1);
  EXPECT_EQ(melody.CurrentLengthCode(), 198);
  EXPECT_FALSE(melody.Modified());
}

TEST(DecodeAlsFile, HoldsTempoAtItsLimits) {
  struct Case {
    std::uint8_t tempoByte;
    int tempo;
  };
  for (const Case& c : {Case{0x7F, 122}, Case{0x7E, 120}, Case{0x20, 75}, Case{0xFF, 200}}) {
    Melody melody;
    DecodeAlsFile(Bytes({0xE1, 0xF0, 0xFD, 0xF1, c.tempoByte, 0xFF}), melody);
    EXPECT_EQ(melody.Tempo(), c.tempo) << int{c.tempoByte};
  }
}

TEST(DecodeAlsFile, NameHandling) {
  struct Case {
    Bytes bytes;
    std::string name;
  };
  const Case cases[] = {
      {{0xE1, 0xF0, 0x41, 0x00, 0x42, 0xFD, 0xF1, 0x7E, 0xFF}, "AB"},
      // A second byte 0xFD means no name; the third byte is then the tempo mark.
      {{0xE1, 0xFD, 0x00, 0x7E, 0xC4, 0x27, 0xFF}, ""},
      // The marks are not checked.
      {{0x00, 0x00, 0x41, 0xFD, 0x00, 0x7E, 0xC4, 0x27, 0xFF}, "A"},
  };
  for (const Case& c : cases) {
    Melody melody = NamedMelody("old", 0);
    DecodeAlsFile(c.bytes, melody);
    EXPECT_EQ(melody.SongName(), c.name);
    EXPECT_EQ(melody.Tempo(), 120) << c.name;
  }
}

TEST(DecodeAlsFile, PairsEndAtEndByteOrWithTheFile) {
  struct Case {
    Bytes tail;
    int lineCount;
  };
  const Case cases[] = {
      // Bytes after the end byte would make a pair if read on.
      {{0xC4, 0x27, 0xFF, 0xC4, 0xC4, 0x29}, 1},
      {{0xC4, 0x27, 0xC6, 0x29}, 2},
      // A single byte left after the last pair is never read.
      {{0xC4, 0x27, 0xC6}, 1},
      // The end byte after a continuation mark is taken as a length byte.
      {{0xA1, 0xFF, 0x27}, 1},
  };
  for (const Case& c : cases) {
    Melody melody;
    DecodeAlsFile(HeaderAWith(c.tail), melody);
    EXPECT_EQ(melody.Count(), c.lineCount) << testing::PrintToString(c.tail);
  }
}

TEST(DecodeAlsFile, UnknownLengthKeepsPreviousLengthAndFlagsIncomplete) {
  Melody melody;
  melody.SetSelectedLengthIndex(6);
  const AlsLoadOutcome outcome =
      DecodeAlsFile(HeaderAWith({0x10, 0x27, 0xC8, 0x29, 0xBF, 0x00, 0xFF}), melody);
  EXPECT_TRUE(outcome.LoadIncomplete);
  ASSERT_EQ(melody.Count(), 3);
  const std::vector<ScoreCodes> codes = CodesOf(melody);
  EXPECT_EQ(codes[0].lengthCode, 198);
  EXPECT_EQ(codes[1].lengthCode, 200);
  EXPECT_EQ(codes[2].lengthCode, 200);
  EXPECT_EQ(codes[2].pitchCode, 0);
  EXPECT_FALSE(melody.Modified());
}

TEST(DecodeAlsFile, UnknownPitchDropsPairSilently) {
  for (const std::uint8_t pitch : Bytes{0x01, 0x26, 0x4B, 0xFF}) {
    Melody melody;
    const AlsLoadOutcome outcome =
        DecodeAlsFile(HeaderAWith({0xC4, 0x27, 0xC6, pitch, 0xC0, 0x4A}), melody);
    EXPECT_FALSE(outcome.LoadIncomplete);
    ASSERT_EQ(melody.Count(), 2) << int{pitch};
    EXPECT_EQ(CodesOf(melody)[1].pitchCode, 0x4A);
    EXPECT_EQ(CodesOf(melody)[1].lengthCode, 0xC0);
  }
}

TEST(DecodeAlsFile, EarlyEndThrowsAndKeepsLinesReadSoFar) {
  struct Case {
    const char* where;
    Bytes bytes;
    int lineCount;
  };
  const Case cases[] = {
      {"empty file", {}, 0},
      {"inside the name", {0xE1, 0xF0, 0x41, 0x42}, 0},
      {"before the tempo byte", {0xE1, 0xF0, 0x41, 0xFD, 0xF1}, 0},
      {"after a continuation mark", HeaderAWith({0xC4, 0x27, 0xC6, 0x29, 0xA1, 0xC4}), 2},
  };
  for (const Case& c : cases) {
    Melody melody = NamedMelody("old", 3);
    melody.SetModified(false);
    try {
      DecodeAlsFile(c.bytes, melody);
      ADD_FAILURE() << c.where << ": no error";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), kReadErrorMessage) << c.where;
    }
    EXPECT_EQ(melody.Count(), c.lineCount) << c.where;
    EXPECT_EQ(melody.Modified(), c.lineCount > 0) << c.where;
  }
}

TEST(DecodeAlsFile, NameCutShortKeepsBytesRead) {
  Melody melody = NamedMelody("old", 0);
  EXPECT_THROW(DecodeAlsFile(Bytes({0xE1, 0xF0, 0x41, 0x42}), melody), std::runtime_error);
  EXPECT_EQ(melody.SongName(), "AB");
  // A file that ends before its name leaves no name, never the one before.
  EXPECT_THROW(DecodeAlsFile(Bytes({0xE1}), melody), std::runtime_error);
  EXPECT_EQ(melody.SongName(), "");
}

TEST(SavedAlsFileSize, IsThatOfTheFileEncodedUnderTheNameASaveGives) {
  Melody melody;
  EXPECT_EQ(SongNameToSave(melody), kUntitledSongName);
  EXPECT_EQ(SavedAlsFileSize(melody), 10u);
  melody.SetSongName("AB");
  EXPECT_EQ(SongNameToSave(melody), "AB");
  EXPECT_EQ(SavedAlsFileSize(melody), EncodeAlsFile(melody).size());
}

TEST(AlsFile, RoundTripGivesSameBytesAndLines) {
  const Melody original = VariedMelody();
  const Bytes bytes = EncodeAlsFile(original);
  Melody loaded;
  const AlsLoadOutcome outcome = DecodeAlsFile(bytes, loaded);
  EXPECT_FALSE(outcome.LoadIncomplete);
  EXPECT_EQ(loaded.Lines(), original.Lines());
  EXPECT_EQ(loaded.SongName(), original.SongName());
  EXPECT_EQ(loaded.Tempo(), 150);
  EXPECT_EQ(EncodeAlsFile(loaded), bytes);
}

TEST(AlsFile, OddTempoComesBackOneLower) {
  Melody melody;
  melody.SetTempo(121);
  Melody loaded;
  DecodeAlsFile(EncodeAlsFile(melody), loaded);
  EXPECT_EQ(loaded.Tempo(), 120);
}

TEST(AlsFileMessages, AreTheShiftJisTexts) {
  EXPECT_STREQ(kReadErrorMessage,
               "\x83\x58\x83\x67\x83\x8a\x81\x5b\x83\x80\x82\xa9\x82\xe7\x82\xcc\x93\xc7\x82\xdd"
               "\x8d\x9e\x82\xdd\x83\x47\x83\x89\x81\x5b");
  const std::string incomplete = kLoadIncompleteMessage;
  EXPECT_EQ(incomplete.size(), 527u);
  EXPECT_EQ(std::count(incomplete.begin(), incomplete.end(), '\n'), 15);
  EXPECT_EQ(incomplete.rfind("\x91\xe5\x95\xcf\x88\xe2\x8a\xb6", 0), 0u);  // 大変遺憾
  EXPECT_TRUE(incomplete.ends_with(
      "\x92\x86\x93\x72\x94\xbc\x92\x5b\x82\xc8\x8e\x64\x97\x6c\x82\xc5\x82\xb7\x82\xdd\x82\xdc"
      "\x82\xb9\x82\xf1\x81\x42"));  // 中途半端な仕様ですみません。
}

}  // namespace
}  // namespace melopad
