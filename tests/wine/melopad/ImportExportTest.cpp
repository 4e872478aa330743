// Import and export as a user meets them: a tune of another format fitted
// and told about, the melody written in the three formats and read back, the
// track question of a MIDI file, and a file that cannot be read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "melopad/model/Notes.h"
#include "melopad/model/ScoreLine.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kHalf = 2, kDottedQuarter = 3, kQuarter = 4, kEighth = 6;

std::string Note(int pitchCode, int lengthIndex) {
  return melopad::ComposeScoreLine(
      pitchCode == 0 ? melopad::kRestLabel : melopad::PitchLabel(pitchCode), lengthIndex,
      pitchCode);
}

// A format 1 file of two named tracks of 96 ticks a quarter: a quarter C4
// on channel 1, then a half C3 on channel 2.
Bytes TwoTrackMidiFile() {
  const auto track = [](const std::string& name, const std::string& events) {
    const std::string body = std::string("\0\xFF\x03", 3) + static_cast<char>(name.size()) + name +
                             events + std::string("\0\xFF\x2F\0", 4);
    return std::string("MTrk\0\0\0", 7) + static_cast<char>(body.size()) + body;
  };
  const std::string file = std::string("MThd\0\0\0\x06\0\x01\0\x02\0\x60", 14) +
                           track("Lead", std::string("\0\x90\x3C\x64\x60\x80\x3C\0", 8)) +
                           track("Bass", std::string("\0\x91\x30\x64\x81\x40\x81\x30\0", 9));
  return Bytes(file.begin(), file.end());
}

class ImportExportTest : public testing_support::EditorTest {
 protected:
  void Choose(const toolkit::MenuItem& item) {
    ::SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
  }
  std::wstring FileOf(const wchar_t* name, const std::string& text) {
    const std::wstring path = folder.File(name);
    testing_support::WriteBytes(path, Bytes(text.begin(), text.end()));
    return path;
  }
  void Import(const std::wstring& path) {
    prompter.WillChoose(path);
    Choose(form.MnuImport);
  }
  void Export(const std::wstring& path) {
    prompter.WillChoose(path);
    Choose(form.MnuExport);
  }

  testing_support::ScratchFolder folder;
  TMelopadForm form{Services()};
};

// Two notes above the keyboard come down by octaves, 125 quarters a minute
// become tempo 120, the name comes from the text, and the user is told.
TEST_F(ImportExportTest, AnRtttlTuneIsFittedNamedAndToldAbout) {
  Import(FileOf(L"tune.txt", "Tune:d=4,o=5,b=125:8c6,8p,4e.,c7"));
  const std::vector<std::string> expected = {Note(63, kEighth), Note(0, kEighth),
                                             Note(67, kDottedQuarter), Note(63, kQuarter)};
  EXPECT_EQ(form.Melody().Lines(), expected);
  EXPECT_EQ(form.Melody().Tempo(), 120);
  EXPECT_EQ(form.Melody().SongName(), "Tune");
  EXPECT_EQ(form.Text(), "Tune");
  EXPECT_TRUE(form.Melody().Modified());
  EXPECT_EQ(form.SaveDialog.fileName, L"") << "Save asks for a file";
  EXPECT_EQ(form.ScoreListBox.Count(), 4);
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_EQ(prompter.Messages()[0].rfind("インポートしたメロディを", 0), 0u)
      << prompter.Messages()[0];
}

// What is exported reads back: MIDI gives the same lines, RTTTL the same
// text's tune, and WAVE holds 8 samples of 16 bits for every millisecond.
TEST_F(ImportExportTest, TheMelodyWrittenInEachFormatReadsBack) {
  Import(FileOf(L"tune.rtttl", "Tune:d=8,o=5,b=125:c,p,4e.,4c"));
  const std::vector<std::string> lines = form.Melody().Lines();
  ASSERT_EQ(lines.size(), 4u);
  Export(folder.File(L"out.mid"));
  Export(folder.File(L"out.txt"));
  Export(folder.File(L"out.wav"));
  const int milliseconds = 240 + 240 + 720 + 480;
  EXPECT_EQ(testing_support::ReadBytes(folder.File(L"out.wav")).size(),
            44u + 2u * 8u * milliseconds);
  for (const wchar_t* name : {L"out.mid", L"out.txt"}) {
    form.Melody().SetModified(false);
    Import(folder.File(name));
    EXPECT_EQ(form.Melody().Lines(), lines) << toolkit::Narrow(name);
    EXPECT_EQ(form.Melody().Tempo(), 120);
  }
  EXPECT_TRUE(prompter.Messages().empty());
}

// The track question lists the tracks with the first suggested; Cancel
// keeps the melody, a choice takes that track.
TEST_F(ImportExportTest, AMidiFileOfSeveralTracksAsksWhichOne) {
  const std::wstring path = folder.File(L"two.mid");
  testing_support::WriteBytes(path, TwoTrackMidiFile());
  std::vector<std::optional<int>> answers = {std::nullopt, 1};
  std::vector<std::string> asked;
  form.ChooseMidiTrack = [&](const std::vector<melopad::MidiTrackInfo>& tracks, int suggested) {
    for (const auto& track : tracks) asked.push_back(track.name);
    EXPECT_EQ(suggested, 0);
    const std::optional<int> answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  };
  form.Melody().InsertScoreLine(form.Melody().MakeNoteLine(51));
  form.Melody().SetModified(false);
  Import(path);
  EXPECT_EQ(form.Melody().Count(), 1) << "cancelled";
  Import(path);
  EXPECT_EQ(asked, (std::vector<std::string>{"Lead", "Bass", "Lead", "Bass"}));
  EXPECT_EQ(form.Melody().Lines(), std::vector<std::string>{Note(39, kHalf)});
  EXPECT_EQ(form.Melody().SongName(), "Bass");
}

// A text that is no RTTTL is refused by a message naming where, and the
// melody stays as it was, unmodified.
TEST_F(ImportExportTest, AnUnreadableFileIsRefusedAndChangesNothing) {
  form.Melody().InsertScoreLine(form.Melody().MakeNoteLine(51));
  form.Melody().SetModified(false);
  Import(FileOf(L"bad.txt", "Tune:d=4,o=5,b=125:8x6"));
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_NE(prompter.Messages()[0].find("RTTTL"), std::string::npos) << prompter.Messages()[0];
  EXPECT_EQ(form.Melody().Count(), 1);
  EXPECT_FALSE(form.Melody().Modified());
}

}  // namespace
