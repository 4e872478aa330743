// The clipboard's two forms of score lines read back what was written, and
// refuse anything else by the line concerned.
#include "melopad/model/ClipboardLines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"

namespace melopad {
namespace {

const std::vector<std::string> kLines = {
    ComposeScoreLine(PitchLabel(51), 4, 51), ComposeScoreLine(kRestLabel, 6, kRestPitch),
    ComposeScoreLine(PitchLabel(kHighestPitch), 13, kHighestPitch),
    ComposeScoreLine(PitchLabel(40), 0, 40)};

TEST(ClipboardLines, BothFormsReadBackWhatWasWritten) {
  const std::vector<std::uint8_t> pairs = PairsOfLines(kLines);
  EXPECT_EQ(pairs, (std::vector<std::uint8_t>{4, 0, 0, 0, 196, 51, 198, 0, 205, 74, 192, 40}));
  std::vector<std::uint8_t> padded = pairs;
  padded.resize(pairs.size() + 4, 0);  // memory the clipboard rounded up
  EXPECT_EQ(LinesOfPairs(padded), kLines);
  const std::string text = TextOfLines(kLines);
  EXPECT_EQ(text, "C-3 4分音符\r\n休符 8分音符\r\nB-4 128分音符\r\nC#2 全音符\r\n");
  EXPECT_EQ(LinesOfText(text), kLines);
  // Typed by hand: other line ends, blank lines, runs of blanks.
  EXPECT_EQ(LinesOfText("\n  C-3\t 4分音符\n\n休符 8分音符\rB-4 128分音符 \r\nC#2 全音符"), kLines);
}

TEST(ClipboardLines, AnythingButNotesIsRefusedByItsLine) {
  const struct {
    std::string text;
    std::string message;
  } texts[] = {
      {"C-3 4分音符\r\nC-5 4分音符", "2 行目「C-5 4分音符」は音符として読めません"},
      {"C-3", "1 行目「C-3」は音符として読めません"},
      {"\r\nこんにちは 世界", "2 行目「こんにちは 世界」は音符として読めません"},
  };
  for (const auto& t : texts) {
    try {
      LinesOfText(t.text);
      ADD_FAILURE() << t.text;
    } catch (const ClipboardLinesError& error) {
      EXPECT_EQ(std::string(error.what()), t.message);
    }
  }
  for (const std::vector<std::uint8_t>& bad : std::vector<std::vector<std::uint8_t>>{
           {1, 0, 0}, {2, 0, 0, 0, 196, 51}, {1, 0, 0, 0, 196, 38}, {1, 0, 0, 0, 206, 51}}) {
    EXPECT_THROW(LinesOfPairs(bad), ClipboardLinesError) << bad.size();
  }
}

}  // namespace
}  // namespace melopad
