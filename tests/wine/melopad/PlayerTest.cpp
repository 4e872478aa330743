// The melody player and its playing window: what is played for how long,
// when it stops, which pose the figure shows at every note, and how the
// window looks. Notes are recorded instead of sounded and the 1 ms pauses
// recorded instead of slept, so nothing here waits in real time.
#include "melopad/playback/Playingfrm.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "melopad/model/Melody.h"
#include "melopad/model/Notes.h"
#include "melopad/playback/born_loader.h"
#include "tests/wine/support/Picture.h"
#include "tests/wine/support/RecordingSoundBank.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/UniqueHandle.h"

namespace {

using testing_support::Picture;
using testing_support::PlayedNote;

constexpr int kWindowWidth = 238;
constexpr int kWindowHeight = 149;
constexpr int kPoseWidth = 65;
constexpr int kPoseHeight = 130;
// Where the figure stands in the window: 5 pixels from the right edge, 10
// from the top.
constexpr int kFigureLeft = kWindowWidth - kPoseWidth - 5;
constexpr int kFigureTop = 10;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kSilver = RGB(192, 192, 192);

constexpr int kWhole = 0;
constexpr int kQuarter = 4;
constexpr int kEighth = 6;
constexpr int kHundredTwentyEighth = 13;
constexpr int kSomePitch = 55;

// Records every note with a picture of the playing window as it was when
// the note began, and runs the test's action during the note.
class WatchingSoundBank final : public testing_support::RecordingSoundBank {
 public:
  void StartNote(int pitchCode) override {
    if (window != nullptr) {
      shown.push_back(::IsWindowVisible(window) != FALSE);
      screens.push_back(Picture::OnScreen(window));
    }
    RecordingSoundBank::StartNote(pitchCode);
  }

  HWND window = nullptr;
  std::vector<bool> shown;
  std::vector<Picture> screens;
};

// Counts the pixels in which two pictures of one size differ, and names the first.
struct Difference {
  int count = 0;
  std::string first;
};

Difference Compare(const Picture& actual, int left, int top, const Picture& expected) {
  Difference difference;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      if (actual.At(left + x, top + y) == expected.At(x, y)) continue;
      if (difference.count++ == 0) {
        difference.first = "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  return difference;
}

// Whether every pixel of the picture outside the area is white.
bool WhiteOutside(const Picture& picture, const RECT& area) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const POINT point{x, y};
      if (!::PtInRect(&area, point) && picture.At(x, y) != kWhite) return false;
    }
  }
  return true;
}

bool AllWhite(const Picture& picture) {
  return WhiteOutside(picture, {0, 0, 0, 0});
}

bool HasInk(const Picture& picture, const RECT& area) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (picture.At(x, y) != kWhite) return true;
    }
  }
  return false;
}

const RECT kFigureArea{kFigureLeft, kFigureTop, kFigureLeft + kPoseWidth, kFigureTop + kPoseHeight};

// Frame k of the sprite's sheet as it is in the sheet.
Picture SheetFrame(const born_loader& sprite, int k) {
  const RECT frame = sprite.Frames.at(static_cast<size_t>(k));
  return Picture(kPoseWidth, kPoseHeight, [&](HDC dc) {
    const toolkit::UniqueDc source(::CreateCompatibleDC(dc));
    const toolkit::SelectedObject selected(source.Get(), sprite.Sheet.Get());
    ::BitBlt(dc, 0, 0, kPoseWidth, kPoseHeight, source.Get(), frame.left, frame.top, SRCCOPY);
  });
}

// The frames drawn one after the other onto a white window-sized canvas.
Picture DrawnFrames(born_loader& sprite, const std::vector<int>& frames) {
  return Picture(kWindowWidth, kWindowHeight, [&](HDC dc) {
    for (int k : frames) sprite.DrawFrame(dc, kWindowWidth, k);
  });
}

class PlayerTest : public testing_support::WindowTest {
 protected:
  void AddNote(int lengthIndex, int pitch = kSomePitch) {
    melody.SetSelectedLengthIndex(lengthIndex);
    melody.InsertScoreLine(melody.MakeNoteLine(pitch));
  }
  void AddRest(int lengthIndex) {
    melody.SetSelectedLengthIndex(lengthIndex);
    melody.InsertScoreLine(melody.MakeRestLine());
  }

  // Plays in a playing window from the line, as the tool bar's buttons do;
  // returns the window's modal result, and whether it was left hidden.
  int Play(int startIndex = 0) {
    TPlayingForm form(nullptr, melody, sounds);
    sounds.window = form.Handle();
    form.StartIndex = startIndex;
    const int result = form.ShowModal();
    hiddenAtEnd = !::IsWindowVisible(form.Handle());
    sounds.window = nullptr;
    return result;
  }

  melopad::Melody melody;
  WatchingSoundBank sounds;
  bool hiddenAtEnd = false;
};

TEST_F(PlayerTest, AQuarterAndAnEighthRestAtTempo120PlayFor480And240ThenTheWindowCloses) {
  AddNote(kQuarter, 60);
  AddRest(kEighth);
  EXPECT_EQ(Play(), toolkit::kModalCancel);
  const std::vector<PlayedNote> expected{{60, 480}, {0, 240}};
  EXPECT_EQ(sounds.played, expected);
  EXPECT_EQ(sounds.shown, (std::vector<bool>{true, true})) << "the window shows while playing";
  EXPECT_TRUE(hiddenAtEnd);
  EXPECT_EQ(sleeper.pauses, (std::vector<DWORD>{1, 1})) << "one 1 ms pause after every note";
}

TEST_F(PlayerTest, TheTempoSetsHowLongEveryLinePlays) {
  const struct {
    int tempo;
    int lengthIndex;
    int ms;
  } cases[] = {
      {75, kQuarter, 768},  {200, kQuarter, 288}, {200, kHundredTwentyEighth, 9},
      {121, kQuarter, 476}, {120, kWhole, 1920},
  };
  for (const auto& c : cases) {
    melody.Clear();
    sounds.played.clear();
    melody.SetTempo(c.tempo);
    AddNote(c.lengthIndex);
    Play();
    const std::vector<PlayedNote> expected{{kSomePitch, c.ms}};
    EXPECT_EQ(sounds.played, expected) << "tempo " << c.tempo << ", length " << c.lengthIndex;
  }
}

// Everything between two notes takes time: stopping one, the pause, the
// messages, the drawing and starting the next (here all put into the start).
// Whatever it costs, every note stops where the lengths so far add up to,
// counted from the first note's start: the melody does not drift.
TEST_F(PlayerTest, EveryNoteEndsOnTheBeatWhateverTheTimeBetweenNotes) {
  AddNote(kQuarter, 40);
  AddRest(kEighth);
  for (int i = 0; i < 3; ++i) AddNote(kHundredTwentyEighth, 41);
  AddNote(kQuarter, 42);
  const std::vector<double> beat{480, 720, 735, 750, 765, 1245};
  for (double startCost : {0.0, 3.0, 10.5}) {
    sounds.stoppedAt.clear();
    sounds.started = 0;
    sounds.clock.now = 10000;
    double firstStart = 0;
    sounds.duringNote = [&](size_t noteNumber) {
      sounds.clock.now += startCost;
      if (noteNumber == 1) firstStart = sounds.clock.now;
    };
    Play();
    ASSERT_EQ(sounds.stoppedAt.size(), beat.size()) << "start cost " << startCost;
    for (size_t note = 0; note < beat.size(); ++note) {
      EXPECT_EQ(sounds.stoppedAt[note] - firstStart, beat[note])
          << "note " << note + 1 << ", start cost " << startCost;
    }
  }
}

// A note that starts after its own end (the machine stalled) is still
// played, and stops at once; the notes after it keep their places.
TEST_F(PlayerTest, ALateNoteIsPlayedAndTheNotesAfterItKeepTheirPlaces) {
  for (int pitch : {40, 41, 42, 43}) AddNote(kEighth, pitch);
  sounds.duringNote = [this](size_t noteNumber) {
    if (noteNumber == 2) sounds.clock.now += 300;
  };
  Play();
  EXPECT_EQ(sounds.stoppedAt, (std::vector<double>{240, 540, 720, 960}));
  EXPECT_EQ(sounds.started, 4u) << "no note is skipped";
}

TEST_F(PlayerTest, AnEmptyMelodyOpensTheWindowAndClosesItAtOnce) {
  EXPECT_EQ(Play(), toolkit::kModalCancel);
  EXPECT_TRUE(sounds.played.empty());
  EXPECT_TRUE(sleeper.pauses.empty());
  EXPECT_TRUE(hiddenAtEnd);
}

TEST_F(PlayerTest, PlayingFromALinePlaysItAndTheLinesAfterIt) {
  for (int pitch : {40, 41, 42, 43, 44}) AddNote(kQuarter, pitch);
  Play(3);
  const std::vector<PlayedNote> expected{{43, 480}, {44, 480}};
  EXPECT_EQ(sounds.played, expected);
}

TEST_F(PlayerTest, TheStarterPlaysInAWindowThatIsGoneWhenItReturns) {
  for (int pitch : {40, 41, 42}) AddNote(kEighth, pitch);
  PlayMelodyFrom(nullptr, melody, sounds, 1);
  const std::vector<PlayedNote> expected{{41, 240}, {42, 240}};
  EXPECT_EQ(sounds.played, expected);
  EXPECT_EQ(::FindWindowW(nullptr, L"Playing"), nullptr);
  EXPECT_FALSE(application.HasIdleHandler());
}

TEST_F(PlayerTest, ThePoseFollowsTheLineIndex) {
  for (int pitch : {40, 41, 42, 43, 44, 45}) AddNote(kQuarter, pitch);
  const born_loader sheet;  // the picture as the program carries it
  const Picture poses[] = {SheetFrame(sheet, 0), SheetFrame(sheet, 1)};
  ASSERT_GT(Compare(poses[0], 0, 0, poses[1]).count, 100) << "the two poses must differ";
  const struct {
    int startIndex;
    std::vector<int> poses;
  } cases[] = {
      {0, {0, 1, 0, 1, 0, 1}},
      {3, {1, 0, 1}},  // from an odd line the second pose comes first
      {4, {0, 1}},
  };
  for (const auto& c : cases) {
    sounds.screens.clear();
    Play(c.startIndex);
    ASSERT_EQ(sounds.screens.size(), c.poses.size()) << "from line " << c.startIndex;
    for (size_t note = 0; note < c.poses.size(); ++note) {
      const Difference difference =
          Compare(sounds.screens[note], kFigureLeft, kFigureTop, poses[c.poses[note]]);
      EXPECT_EQ(difference.count, 0)
          << "from line " << c.startIndex << ", note " << note << " should show pose "
          << c.poses[note] << "; " << difference.first;
    }
  }
}

TEST_F(PlayerTest, AClickDuringANoteLetsItFinishAndPlaysNoMore) {
  AddNote(kWhole, 40);
  AddNote(kWhole, 41);
  AddNote(kWhole, 42);
  sounds.duringNote = [this](size_t noteNumber) {
    if (noteNumber != 1) return;
    // The click waits in the queue while the note sounds.
    ::PostMessageW(sounds.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 70));
    ::PostMessageW(sounds.window, WM_LBUTTONUP, 0, MAKELPARAM(50, 70));
  };
  EXPECT_EQ(Play(), toolkit::kModalCancel);
  const std::vector<PlayedNote> expected{{40, 1920}};
  EXPECT_EQ(sounds.played, expected);
  EXPECT_TRUE(hiddenAtEnd);
}

TEST_F(PlayerTest, APressWithoutReleaseIsNoClick) {
  AddNote(kQuarter, 40);
  AddNote(kQuarter, 41);
  sounds.duringNote = [this](size_t noteNumber) {
    if (noteNumber == 1) ::PostMessageW(sounds.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  };
  Play();
  EXPECT_EQ(sounds.played.size(), 2u);
}

TEST_F(PlayerTest, TheLinesAndTheTempoAreReadBeforeEveryNote) {
  AddNote(kQuarter, 40);
  sounds.duringNote = [this](size_t noteNumber) {
    if (noteNumber != 1) return;
    AddNote(kQuarter, 41);
    melody.SetTempo(200);
  };
  Play();
  const std::vector<PlayedNote> expected{{40, 480}, {41, 288}};
  EXPECT_EQ(sounds.played, expected);
}

TEST_F(PlayerTest, ThePlayerRunsOnceAndTakesItselfOffTheIdleEvent) {
  AddNote(kQuarter);
  AddNote(kQuarter);
  std::vector<bool> handlerDuringNotes;
  sounds.duringNote = [&](size_t) { handlerDuringNotes.push_back(application.HasIdleHandler()); };
  Play();
  EXPECT_EQ(handlerDuringNotes, (std::vector<bool>{false, false}));
  EXPECT_FALSE(application.HasIdleHandler());
}

TEST_F(PlayerTest, TheWindowTakesTheIdleEventFromAnyOtherHandler) {
  AddNote(kQuarter);
  bool otherHandlerRan = false;
  application.SetIdleHandler([&](bool&) { otherHandlerRan = true; });
  Play();
  EXPECT_EQ(sounds.played.size(), 1u);
  EXPECT_FALSE(otherHandlerRan);
}

TEST_F(PlayerTest, AWindowDestroyedBeforeItWentIdleLeavesNoPlayerBehind) {
  {
    const TPlayingForm form(nullptr, melody, sounds);
    EXPECT_TRUE(application.HasIdleHandler());
  }
  EXPECT_FALSE(application.HasIdleHandler());
}

TEST_F(PlayerTest, TheWindowIsBorderlessAndCentredOnTheDesktop) {
  TPlayingForm form(nullptr, melody, sounds);
  EXPECT_EQ(form.Text(), "Playing");
  EXPECT_EQ(form.ClientRect().width, kWindowWidth);
  EXPECT_EQ(form.ClientRect().height, kWindowHeight);
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(form.Handle(), GWL_STYLE));
  EXPECT_EQ(style & WS_CAPTION, 0u);
  EXPECT_EQ(style & WS_THICKFRAME, 0u);
  RECT window{};
  ::GetWindowRect(form.Handle(), &window);
  EXPECT_EQ(window.right - window.left, kWindowWidth);
  const int desktopLeft = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int desktopTop = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  EXPECT_EQ(window.left, desktopLeft + (::GetSystemMetrics(SM_CXVIRTUALSCREEN) - kWindowWidth) / 2);
  EXPECT_EQ(window.top, desktopTop + (::GetSystemMetrics(SM_CYVIRTUALSCREEN) - kWindowHeight) / 2);
}

TEST_F(PlayerTest, TheWindowPaintsAThreePixelBlackFrameAndItsTextsOnWhite) {
  TPlayingForm form(nullptr, melody, sounds);
  form.Show();
  const Picture look = Picture::OnScreen(form.Handle());
  for (int inset = 0; inset < 3; ++inset) {
    const int right = kWindowWidth - 1 - inset;
    const int bottom = kWindowHeight - 1 - inset;
    EXPECT_EQ(look.At(inset, 70), kBlack) << "left edge, " << inset;
    EXPECT_EQ(look.At(right, 70), kBlack) << "right edge, " << inset;
    EXPECT_EQ(look.At(120, inset), kBlack) << "top edge, " << inset;
    EXPECT_EQ(look.At(120, bottom), kBlack) << "bottom edge, " << inset;
    EXPECT_EQ(look.At(inset, inset), kBlack) << "corner, " << inset;
  }
  EXPECT_EQ(look.At(3, 70), kWhite);
  EXPECT_EQ(look.At(kWindowWidth - 4, 70), kWhite);
  EXPECT_EQ(look.At(120, 3), kWhite);
  EXPECT_EQ(look.At(120, kWindowHeight - 4), kWhite);
  EXPECT_TRUE(HasInk(look, {10, 10, 60, 24})) << "再生中";
  EXPECT_TRUE(HasInk(look, {10, 25, 160, 39})) << "停止するにはここをクリック";
  EXPECT_TRUE(HasInk(look, {10, 128, 100, 142})) << "Duzozaz Edovu";
  EXPECT_FALSE(HasInk(look, {3, 45, 160, 125})) << "nothing between the texts";
  EXPECT_FALSE(HasInk(look, kFigureArea)) << "the figure is drawn by the player, not by painting";
  form.Hide();
}

// The figure on its own, drawn as the player draws it.

TEST(BornLoader, ThePictureIsTwoPosesInBlackAndGreysOnWhite) {
  const born_loader sprite;
  BITMAP info{};
  ASSERT_NE(::GetObjectW(sprite.Sheet.Get(), sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 130);
  EXPECT_EQ(info.bmHeight, 130);
  EXPECT_EQ(info.bmBitsPixel, 8);
  EXPECT_EQ(sprite.TransparentColor, kWhite);
  ASSERT_EQ(sprite.Frames.size(), 2u);
  const RECT expected[] = {{0, 0, 65, 130}, {65, 0, 130, 130}};
  for (size_t k = 0; k < 2; ++k) {
    EXPECT_TRUE(::EqualRect(&sprite.Frames[k], &expected[k])) << "frame " << k;
    const Picture pose = SheetFrame(sprite, static_cast<int>(k));
    const RECT whole{0, 0, kPoseWidth, kPoseHeight};
    for (COLORREF ink : {kBlack, kGrey, kSilver}) {
      EXPECT_TRUE(pose.Has(ink, whole)) << "frame " << k << " lacks colour " << std::hex << ink;
    }
    for (int y = 0; y < kPoseHeight; ++y) {
      for (int x = 0; x < kPoseWidth; ++x) {
        const COLORREF c = pose.At(x, y);
        ASSERT_TRUE(c == kWhite || c == kBlack || c == kGrey || c == kSilver)
            << "frame " << k << " (" << x << ", " << y << ") " << std::hex << c;
      }
    }
  }
}

TEST(BornLoader, TheMaskIsWhiteExactlyWhereTheSheetIsTransparent) {
  born_loader sprite;
  EXPECT_FALSE(sprite.Mask);
  sprite.Prepare();
  ASSERT_TRUE(sprite.Mask);
  const auto pixels = [](HBITMAP bitmap) {
    return Picture(130, 130, [bitmap](HDC dc) {
      const toolkit::UniqueDc source(::CreateCompatibleDC(dc));
      const toolkit::SelectedObject selected(source.Get(), bitmap);
      ::BitBlt(dc, 0, 0, 130, 130, source.Get(), 0, 0, SRCCOPY);
    });
  };
  const Picture sheet = pixels(sprite.Sheet.Get());
  const Picture mask = pixels(sprite.Mask.Get());
  int wrong = 0;
  for (int y = 0; y < 130; ++y) {
    for (int x = 0; x < 130; ++x) {
      const COLORREF expected = sheet.At(x, y) == kWhite ? kWhite : kBlack;
      if (mask.At(x, y) != expected) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(BornLoader, EachPoseAloneOnWhiteAtTheRightOfTheWindow) {
  born_loader sprite;
  sprite.Prepare();
  for (int k : {0, 1}) {
    const Picture drawn = DrawnFrames(sprite, {k});
    const Difference difference = Compare(drawn, kFigureLeft, kFigureTop, SheetFrame(sprite, k));
    EXPECT_EQ(difference.count, 0) << "pose " << k << ": " << difference.first;
    EXPECT_TRUE(WhiteOutside(drawn, kFigureArea)) << "pose " << k;
  }
}

TEST(BornLoader, APoseLeavesNoTraceInTheNext) {
  born_loader sprite;
  sprite.Prepare();
  const struct {
    std::vector<int> sequence;
    int last;
  } cases[] = {{{0, 1}, 1}, {{1, 0}, 0}, {{0, 1, 0, 1}, 1}};
  for (const auto& c : cases) {
    const Picture drawn = DrawnFrames(sprite, c.sequence);
    const Difference difference =
        Compare(drawn, kFigureLeft, kFigureTop, SheetFrame(sprite, c.last));
    EXPECT_EQ(difference.count, 0) << "ending with pose " << c.last << ": " << difference.first;
    EXPECT_TRUE(WhiteOutside(drawn, kFigureArea));
  }
}

TEST(BornLoader, TheFigureKeepsFiveAndTenPixelsFromTheRightAndTopOfAnyWidth) {
  born_loader sprite;
  sprite.Prepare();
  const int width = 300;
  const Picture drawn(width, kWindowHeight, [&](HDC dc) { sprite.DrawFrame(dc, width, 0); });
  const int left = width - kPoseWidth - 5;
  EXPECT_EQ(Compare(drawn, left, 10, SheetFrame(sprite, 0)).count, 0);
  EXPECT_TRUE(WhiteOutside(drawn, {left, 10, left + kPoseWidth, 10 + kPoseHeight}));
}

TEST(BornLoader, NothingIsDrawnWithoutAFrameBuffer) {
  born_loader sprite;
  EXPECT_TRUE(AllWhite(DrawnFrames(sprite, {0}))) << "before preparing";
  sprite.Prepare();
  EXPECT_TRUE(sprite.FrameBuffer);
  sprite.FreeFrameBuffer();
  EXPECT_FALSE(sprite.FrameBuffer);
  EXPECT_TRUE(AllWhite(DrawnFrames(sprite, {1}))) << "after the playback";
}

}  // namespace
