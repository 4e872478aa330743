// Starting the player from the main window: tool bar, keys, context menu
// and the automatic play after start-up.
#include <gtest/gtest.h>

#include <functional>

#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"

namespace {

using testing_support::PlayedNote;

class PlayCommandsTest : public testing_support::EditorTest {
 protected:
  // Three quarter notes, pitch codes 51, 53, 55, at tempo 120.
  void AddThreeNotes(TMelopadForm& form) {
    for (int pitch : {51, 53, 55}) form.Melody().InsertScoreLine(form.Melody().MakeNoteLine(pitch));
  }

  // Runs the start-up's first idle moment, as the message loop would.
  void RunFirstIdle() {
    application.RunUntil([this] { return !application.HasIdleHandler(); });
  }

  const std::vector<PlayedNote> kAllThree{{51, 480}, {53, 480}, {55, 480}};
};

TEST_F(PlayCommandsTest, ThePlayButtonTheKeysAndTheContextMenuPlayFromTheFirstLine) {
  TMelopadForm form(Services());
  AddThreeNotes(form);
  const std::function<void()> starters[] = {
      [&] { form.PlayButton.Click(); },
      [&] { form.ScoreListBoxKeyPress('P'); },
      [&] { form.ScoreListBoxKeyPress('a'); },
      [&] { form.PopupMenu.Click(form.pMnuPlay); },
  };
  for (const auto& start : starters) {
    sounds.played.clear();
    start();
    EXPECT_EQ(sounds.played, kAllThree);
  }
  EXPECT_EQ(form.Melody().Count(), 3) << "the keys play; they insert nothing";
}

TEST_F(PlayCommandsTest, PlayingFromTheSelectionNeedsOne) {
  TMelopadForm form(Services());
  AddThreeNotes(form);
  form.Melody().SetSelectedIndex(-1);
  form.DiffPlayButton.Click();
  EXPECT_TRUE(sounds.played.empty());
  form.Melody().SetSelectedIndex(1);
  form.PopupMenu.Click(form.N1);
  EXPECT_EQ(sounds.played, (std::vector<PlayedNote>{{53, 480}, {55, 480}}));
}

TEST_F(PlayCommandsTest, AMelodyOfTwoOrMoreLinesLoadedAtStartPlaysOnce) {
  testing_support::ScratchFolder folder;
  const struct {
    const wchar_t* name;
    std::vector<std::uint8_t> pairs;
    std::vector<PlayedNote> played;
  } cases[] = {
      {L"one.als", {0xC4, 0x27}, {}},
      {L"two.als", {0xC4, 0x27, 0xC6, 0x00}, {{39, 480}, {0, 240}}},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> bytes{0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E};
    for (const std::uint8_t pairByte : c.pairs) bytes.push_back(pairByte);
    bytes.push_back(0xFF);
    testing_support::WriteBytes(folder.File(c.name), bytes);
    sounds.played.clear();
    TMelopadForm form(Services(), folder.File(c.name));
    EXPECT_TRUE(sounds.played.empty()) << c.name << ": nothing plays before the first idle moment";
    RunFirstIdle();
    EXPECT_EQ(sounds.played, c.played) << c.name;
  }
}

TEST_F(PlayCommandsTest, TheAnalysisWindowOpensModallyFromTheMenu) {
  TMelopadForm form(Services());
  AddThreeNotes(form);
  bool shown = false;
  application.SetIdleHandler([&](bool&) {
    application.ClearIdleHandler();
    HWND analysis = ::GetActiveWindow();
    shown = analysis != nullptr && analysis != form.Handle();
    ::PostMessageW(analysis, WM_CLOSE, 0, 0);
  });
  form.MainMenu.Click(form.MnuOptionAnalize);
  EXPECT_TRUE(shown);
  EXPECT_EQ(form.Melody().Count(), 3);
}

// The first idle moment plays the long melody, as after start-up; the main
// window closes at its third note.
TEST_F(PlayCommandsTest, ClosingTheMainWindowWhileAMelodyPlaysEndsThePlayingAndTheProgram) {
  TMelopadForm form(Services());
  sounds.duringNote = [&](size_t noteNumber) {
    if (noteNumber == 3) ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  };
  for (int i = 0; i < 200; ++i) form.Melody().InsertScoreLine(form.Melody().MakeNoteLine(51));
  form.Melody().SetModified(false);
  application.Run(form);
  EXPECT_TRUE(application.Terminated()) << "the message loop went on";
  EXPECT_LE(sounds.started, 4u) << "the player went on after the main window closed";
}

// Typing notes goes on in the score list after every playing and after the
// key map window.
TEST_F(PlayCommandsTest, TheScoreListHasTheKeyboardAfterPlayingAndAfterTheKeyMap) {
  TMelopadForm form(Services());
  form.Show();
  AddThreeNotes(form);
  form.Melody().SetSelectedIndex(1);
  const struct {
    const char* name;
    std::function<void()> command;
  } cases[] = {
      {"再生", [&] { form.PlayButton.Click(); }},
      {"途中再生", [&] { form.DiffPlayButton.Click(); }},
      {"a", [&] { form.ScoreListBoxKeyPress('a'); }},
      {"P", [&] { form.ScoreListBoxKeyPress('P'); }},
      {"key map",
       [&] {
         application.SetIdleHandler([&](bool&) {
           application.ClearIdleHandler();
           ::PostMessageW(::GetActiveWindow(), WM_CLOSE, 0, 0);
         });
         form.MainMenu.Click(form.MnuKeyMap);
       }},
  };
  for (const auto& c : cases) {
    ::SetFocus(form.Handle());
    c.command();
    EXPECT_EQ(::GetFocus(), form.ScoreListBox.Handle()) << c.name;
  }
}

}  // namespace
