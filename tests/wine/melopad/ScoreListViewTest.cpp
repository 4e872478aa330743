#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/model/Notes.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/Picture.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"

namespace {

using testing_support::Picture;
using testing_support::PlayedNote;

constexpr int kRowHeight = 20;
constexpr int kRowWidth = 296;

// The colours of the score list.
constexpr COLORREF kListColor = RGB(255, 128, 0);
constexpr COLORREF kEvenBarStripe = RGB(255, 170, 119);
constexpr COLORREF kOddBarStripe = RGB(204, 0, 0);
constexpr COLORREF kSelectedRow = RGB(0, 255, 255);
constexpr COLORREF kEvenBeatRow = RGB(255, 112, 0);
constexpr COLORREF kOddBeatRow = RGB(255, 160, 0);
constexpr COLORREF kFrameShadow = RGB(187, 85, 0);
constexpr COLORREF kFrameLight = RGB(255, 153, 136);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMarkColor = RGB(204, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr int kQuarter = 4;
constexpr int kEighth = 6;

// The outermost pixels of a colour inside an area; empty when it has none.
RECT BoundsOf(const Picture& picture, COLORREF color, const RECT& area) {
  RECT bounds{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (picture.At(x, y) != color) continue;
      bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
    }
  }
  return bounds;
}

class ScoreListViewTest : public testing_support::EditorTest {
 protected:
  // Adds a note (or a rest for pitch 0) of the length after the selection.
  void Add(int pitchCode, int lengthIndex) {
    melopad::Melody& melody = form.Melody();
    melody.SetSelectedLengthIndex(lengthIndex);
    melody.InsertScoreLine(pitchCode == 0 ? melody.MakeRestLine() : melody.MakeNoteLine(pitchCode));
  }

  // Row `row` as the list asks for it to be drawn, in a rectangle of the width.
  Picture Row(int row, bool selected, int width = kRowWidth) {
    return Picture(width, kRowHeight, [&](HDC dc) {
      DRAWITEMSTRUCT item{};
      item.CtlType = ODT_LISTBOX;
      item.CtlID = static_cast<UINT>(form.ScoreListBox.Id());
      item.itemID = static_cast<UINT>(row);
      item.itemAction = ODA_DRAWENTIRE;
      item.itemState = selected ? ODS_SELECTED : 0;
      item.hwndItem = form.ScoreListBox.Handle();
      item.hDC = dc;
      item.rcItem = {0, 0, width, kRowHeight};
      form.ScoreListBoxDrawItem(item);
    });
  }

  HWND List() const { return form.ScoreListBox.Handle(); }
  bool ListPainted() const { return !::GetUpdateRect(List(), nullptr, FALSE); }
  void ShowAndPaint() {
    form.Show();
    ASSERT_TRUE(PumpUntil([this] { return ListPainted(); })) << "the list was never painted";
  }
  // The bar stripe of a row as the list shows it now.
  COLORREF StripeOnScreen(int row) const {
    return Picture::OnScreen(List()).At(2, row * kRowHeight + kRowHeight / 2);
  }
  void FireVisualTimer() { ::SendMessageW(form.VisualTimer.Handle(), WM_TIMER, 1, 0); }

  TMelopadForm form{Services()};
};

TEST_F(ScoreListViewTest, TheListIsOwnerDrawnInRowsOfTwentyWithItsFont) {
  EXPECT_EQ(form.ScoreListBox.ItemHeight(), kRowHeight);
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(List(), WM_GETFONT, 0, 0));
  LOGFONTW design{};
  ASSERT_EQ(::GetObjectW(font, sizeof design, &design), static_cast<int>(sizeof design));
  EXPECT_EQ(toolkit::Narrow(design.lfFaceName), "ＭＳ ゴシック");
  EXPECT_EQ(design.lfHeight, 15);
  EXPECT_EQ(design.lfPitchAndFamily & 0x3, FIXED_PITCH);
  EXPECT_EQ(design.lfCharSet, SHIFTJIS_CHARSET);
}

TEST_F(ScoreListViewTest, AnEmptyListShowsOnlyItsBackground) {
  ShowAndPaint();
  const Picture look = Picture::OnScreen(List());
  for (int y = 0; y < look.Height(); y += 7) {
    for (int x = 0; x < look.Width(); x += 7) {
      ASSERT_EQ(look.At(x, y), kListColor) << "at " << x << "," << y;
    }
  }
}

// In 4/4: eighth, eighth, then quarters. Rows 0 and 1 share beat 0, row 5
// starts bar 2. The stripe is sampled at its middle, the background above
// the text.
TEST_F(ScoreListViewTest, StripeFollowsTheBarAndBackgroundTheBeat) {
  Add(51, kEighth);
  Add(51, kEighth);
  for (int i = 0; i < 5; ++i) Add(51, kQuarter);
  struct Case {
    const char* name;
    int row;
    bool selected;
    COLORREF stripe;
    COLORREF background;
  };
  const Case cases[] = {
      {"bar 1, beat 1", 0, false, kEvenBarStripe, kEvenBeatRow},
      {"inside beat 1", 1, false, kEvenBarStripe, kEvenBeatRow},
      {"bar 1, beat 2", 2, false, kEvenBarStripe, kOddBeatRow},
      {"bar 1, beat 4", 4, false, kEvenBarStripe, kOddBeatRow},
      {"bar 2, beat 1", 5, false, kOddBarStripe, kEvenBeatRow},
      {"bar 2, beat 2, selected", 6, true, kOddBarStripe, kSelectedRow},
      {"bar 1, beat 2, selected", 2, true, kEvenBarStripe, kSelectedRow},
  };
  for (const Case& c : cases) {
    const Picture row = Row(c.row, c.selected);
    for (const int y : {0, kRowHeight / 2, kRowHeight - 1}) {
      EXPECT_EQ(row.At(2, y), c.stripe) << c.name << ", stripe at y " << y;
    }
    EXPECT_EQ(row.At(100, 2), c.background) << c.name << ", above the text";
    EXPECT_EQ(row.At(100, 0), c.background) << c.name << ", top line";
  }
}

// The text and the mark are written over the frame: on the selected row the
// long mark runs across the right edge, so the edges are sampled off the text.
TEST_F(ScoreListViewTest, EachRowHasARaisedFrameRightOfTheStripe) {
  Add(51, kQuarter);
  for (const bool selected : {false, true}) {
    const Picture row = Row(0, selected);
    const struct {
      const char* edge;
      int x, y;
      COLORREF color;
    } pixels[] = {
        {"bottom", 100, kRowHeight - 1, kFrameShadow},
        {"bottom left corner", 5, kRowHeight - 2, kFrameLight},
        {"right, above the text", kRowWidth - 1, 2, kFrameShadow},
        {"right, below the text", kRowWidth - 1, kRowHeight - 3, kFrameShadow},
        {"bottom right corner", kRowWidth - 1, kRowHeight - 1, kFrameShadow},
        {"top", 100, 1, kFrameLight},
        {"top right corner", kRowWidth - 1, 1, kFrameLight},
        {"left", 5, kRowHeight / 2, kFrameLight},
    };
    for (const auto& p : pixels) {
      EXPECT_EQ(row.At(p.x, p.y), p.color) << p.edge << (selected ? ", selected" : "");
    }
  }
}

// A picture's opaque pixels are drawn last, so they show exactly; beside it,
// left of the text, a rest row shows only its background.
TEST_F(ScoreListViewTest, NoteRowsShowThePictureOfTheirLengthAndRestsNone) {
  const RECT pictureArea{12, 1, 28, 17};
  for (int lengthIndex = 0; lengthIndex < melopad::kLengthCount; ++lengthIndex) {
    form.Melody().Clear();
    Add(51, lengthIndex);
    Add(0, lengthIndex);
    const Picture expected(kRowWidth, kRowHeight, [&](HDC dc) {
      form.NoteImageList.Draw(dc, lengthIndex, pictureArea.left, pictureArea.top);
    });
    const Picture note = Row(0, false);
    int opaque = 0;
    for (int y = pictureArea.top; y < pictureArea.bottom; ++y) {
      for (int x = pictureArea.left; x < pictureArea.right; ++x) {
        if (expected.At(x, y) == kWhite) continue;
        ++opaque;
        ASSERT_EQ(note.At(x, y), expected.At(x, y))
            << "length " << lengthIndex << ": picture pixel " << x << "," << y;
      }
    }
    EXPECT_GT(opaque, 0) << "length " << lengthIndex << " has an empty picture";

    const Picture rest = Row(1, false);
    const COLORREF background = rest.At(100, 2);
    for (int y = 2; y < kRowHeight - 1; ++y) {
      for (int x = 6; x < 20; ++x) {
        ASSERT_EQ(rest.At(x, y), background)
            << "length " << lengthIndex << ": rest row at " << x << "," << y;
      }
    }
  }
}

// The text starts at x 20, y 4 in black; the mark follows it, dark red, or
// white on the selected row (which then has no dark red right of the stripe).
TEST_F(ScoreListViewTest, TextStartsOneRowInAndTheMarkFollowsIt) {
  Add(0, kQuarter);
  const RECT rightOfStripe{6, 0, kRowWidth - 1, kRowHeight - 1};
  for (const bool selected : {false, true}) {
    const char* const state = selected ? "selected" : "unselected";
    const Picture row = Row(0, selected);
    const RECT text = BoundsOf(row, kBlack, rightOfStripe);
    const RECT mark = BoundsOf(row, selected ? kWhite : kMarkColor, rightOfStripe);
    ASSERT_LT(text.left, text.right) << state << ": no text";
    ASSERT_LT(mark.left, mark.right) << state << ": no mark";
    EXPECT_GE(text.left, 20) << state;
    EXPECT_LE(text.left, 22) << state;
    EXPECT_GE(text.top, 4) << state;
    EXPECT_LE(text.bottom, kRowHeight - 2) << state;
    EXPECT_GT(mark.left, text.right) << state << ": the mark overlaps the text";
    EXPECT_LT(mark.left - text.right, 24) << state << ": the mark stands apart from the text";
    const RECT other = BoundsOf(row, selected ? kMarkColor : kWhite, rightOfStripe);
    EXPECT_GE(other.left, other.right) << state << ": the other mark colour shows";
  }
}

// Drawn through the list itself: rows of 20 from the top, the list's colour
// below them, and the row canvas as wide as the rows once the scroll bar
// narrows the list.
TEST_F(ScoreListViewTest, TheListDrawsEveryRowThroughTheRowCanvas) {
  for (int i = 0; i < 5; ++i) Add(51, kQuarter);
  ShowAndPaint();
  const Picture look = Picture::OnScreen(List());
  const COLORREF expectedStripes[] = {kEvenBarStripe, kEvenBarStripe, kEvenBarStripe,
                                      kEvenBarStripe, kOddBarStripe};
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(look.At(2, row * kRowHeight + 10), expectedStripes[row]) << "row " << row;
    EXPECT_EQ(look.At(100, row * kRowHeight + kRowHeight - 1), kFrameShadow) << "row " << row;
  }
  EXPECT_EQ(look.At(100, 5 * kRowHeight + 5), kListColor) << "below the last row";

  const int wideWidth = form.RowCanvas.Size().cx;
  EXPECT_EQ(wideWidth, form.ScoreListBox.ClientRect().width) << "without a scroll bar";
  EXPECT_EQ(form.RowCanvas.Size().cy, kRowHeight);
  for (int i = 0; i < 20; ++i) Add(51, kQuarter);
  ASSERT_TRUE(PumpUntil([this] { return ListPainted(); }));
  EXPECT_LT(form.RowCanvas.Size().cx, wideWidth) << "the scroll bar did not narrow the rows";
  EXPECT_EQ(form.RowCanvas.Size().cx, form.ScoreListBox.ClientRect().width) << "with a scroll bar";
}

// Only the timer redraws for a new beats-per-bar value: in 3/4 the fourth
// quarter starts bar 2.
TEST_F(ScoreListViewTest, ANewBeatsPerBarShowsAtTheNextTimerTick) {
  EXPECT_EQ(form.VisualTimer.Interval(), 1000u);
  EXPECT_TRUE(form.VisualTimer.Enabled());
  EXPECT_EQ(form.Tag, 0) << "before the first tick";
  for (int i = 0; i < 5; ++i) Add(51, kQuarter);
  FireVisualTimer();
  EXPECT_EQ(form.Tag, 4);
  ShowAndPaint();
  ASSERT_EQ(StripeOnScreen(3), kEvenBarStripe) << "4/4: the fourth quarter is in bar 1";

  FireVisualTimer();
  EXPECT_TRUE(ListPainted()) << "a tick without a change redrew the list";
  form.HyoushiUpDown.SetPosition(3);
  ASSERT_EQ(form.Melody().Hyoushi(), 3);
  EXPECT_TRUE(ListPainted()) << "redrawn before the timer ticked";
  FireVisualTimer();
  EXPECT_FALSE(ListPainted()) << "the tick did not redraw the list";
  EXPECT_EQ(form.Tag, 3);
  ASSERT_TRUE(PumpUntil([this] { return ListPainted(); }));
  EXPECT_EQ(StripeOnScreen(3), kOddBarStripe) << "3/4: the fourth quarter starts bar 2";
}

// The user's picks sound for 25 ms (a rest as 25 ms of silence, code 0);
// selections the program makes are silent.
TEST_F(ScoreListViewTest, APickedLineSoundsBrieflyAndProgramSelectionsAreSilent) {
  Add(39, kQuarter);
  Add(0, kQuarter);
  Add(74, kEighth);
  ShowAndPaint();
  EXPECT_TRUE(sounds.played.empty()) << "inserting lines made a sound";
  const auto click = [this](int row) {
    const LPARAM at = MAKELPARAM(50, row * kRowHeight + kRowHeight / 2);
    ::SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(List(), WM_LBUTTONUP, 0, at);
  };
  const auto key = [this](WPARAM virtualKey) {
    ::SendMessageW(List(), WM_KEYDOWN, virtualKey, 1);
    ::SendMessageW(List(), WM_KEYUP, virtualKey, 0xC0000001);
  };
  struct Step {
    const char* name;
    std::function<void()> act;
    int selected;
    std::vector<PlayedNote> played;
  };
  // Lines 39, rest, 74 at first; line 1 (the new 51) is deleted again at the end.
  const Step steps[] = {
      {"selected by the program", [&] { form.Melody().SetSelectedIndex(0); }, 0, {}},
      {"click on the last line", [&] { click(2); }, 2, {{74, 25}}},
      {"arrow up onto the rest", [&] { key(VK_UP); }, 1, {{0, 25}}},
      {"arrow up onto the first line", [&] { key(VK_UP); }, 0, {{39, 25}}},
      {"inserted by the program", [&] { Add(51, kQuarter); }, 1, {}},
      {"deleted by the program", [&] { form.Melody().DeleteLine(1); }, 1, {}},
  };
  for (const Step& step : steps) {
    sounds.played.clear();
    step.act();
    EXPECT_EQ(form.Melody().SelectedIndex(), step.selected) << step.name;
    EXPECT_EQ(form.ScoreListBox.ItemIndex(), step.selected) << step.name;
    EXPECT_EQ(sounds.played, step.played) << step.name;
  }
}

TEST_F(ScoreListViewTest, LoadingAMelodyIsSilent) {
  testing_support::ScratchFolder folder;
  const std::wstring path = folder.File(L"two.als");
  testing_support::WriteBytes(path,
                              {0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xC4, 0x00, 0xFF});
  form.LoadAlsFile(path);
  ASSERT_EQ(form.Melody().Count(), 2);
  EXPECT_TRUE(sounds.played.empty());
}

}  // namespace

// An edit repaints only the rows it changed: after each, the list on screen
// is what drawing it whole again shows, in the middle of a scrolled list, at
// its end and over a range.
TEST_F(ScoreListViewTest, WhatAnEditRepaintsIsWhatTheWholeListShows) {
  for (int i = 0; i < 60; ++i) Add(i % 3 == 0 ? 0 : 39 + i % 36, i % 5 == 0 ? kEighth : kQuarter);
  ShowAndPaint();
  melopad::Melody& melody = form.Melody();
  ::SendMessageW(List(), LB_SETTOPINDEX, 20, 0);
  const std::pair<const char*, std::function<void()>> edits[] = {
      {"a rest inserted in view", [&] { melody.SetSelectedIndex(24), form.PauseButtonClick(); }},
      {"the line deleted", [&] { form.DeleteButtonClick(); }},
      {"the delete undone", [&] { form.MnuEditUndoClick(); }},
      {"a range selected", [&] { melody.SetSelectionRange(22, 27); }},
      {"the range transposed", [&] { form.TransposeSelection(1); }},
      {"the range cut", [&] { form.MnuEditCutClick(); }},
      {"the cut undone", [&] { form.MnuEditUndoClick(); }},
      {"one line selected", [&] { melody.SetSelectedIndex(30); }},
      {"the last line deleted",
       [&] { melody.SetSelectedIndex(melody.Count() - 1), form.DeleteButtonClick(); }},
  };
  for (const auto& [name, edit] : edits) {
    edit();
    ASSERT_TRUE(PumpUntil([this] { return ListPainted(); })) << name;
    const Picture repainted = Picture::OnScreen(List());
    ::InvalidateRect(List(), nullptr, TRUE);
    ASSERT_TRUE(PumpUntil([this] { return ListPainted(); })) << name;
    const Picture whole = Picture::OnScreen(List());
    for (int y = 0; y < whole.Height(); ++y) {
      for (int x = 0; x < whole.Width(); ++x) {
        ASSERT_EQ(repainted.At(x, y), whole.At(x, y)) << name << " at " << x << "," << y;
      }
    }
  }
}
