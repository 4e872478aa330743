// The score list view: one owner-drawn row per score line, telling where the
// note falls in bars, beats and ticks on colours that follow the metre, and
// the short sound of a line the user picks.
#include <windows.h>

#include <cstdint>
#include <string>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/model/Notes.h"
#include "melopad/model/RowText.h"
#include "melopad/model/ScoreLine.h"
#include "melopad/playback/NoteSoundBank.h"
#include "toolkit/Font.h"
#include "toolkit/Text.h"

namespace {

constexpr char kFontFace[] = "ＭＳ ゴシック";
constexpr int kListFontHeight = 15;
constexpr int kItemHeight = 20;
constexpr COLORREF kListColor = RGB(255, 128, 0);
constexpr UINT kVisualTimerInterval = 1000;
constexpr int kPreviewMs = 25;

// A row: the bar stripe at its left, then the row's own background with a
// raised frame, the text and the note picture.
constexpr int kStripeWidth = 5;
constexpr int kFontHeightBelowRow = 8;
constexpr int kTextTop = 4;
constexpr POINT kNoteImageAt{12, 1};

constexpr COLORREF kEvenBarStripe = RGB(255, 170, 119);
constexpr COLORREF kOddBarStripe = RGB(204, 0, 0);
constexpr COLORREF kSelectedRow = RGB(0, 255, 255);
constexpr COLORREF kEvenBeatRow = RGB(255, 112, 0);
constexpr COLORREF kOddBeatRow = RGB(255, 160, 0);
constexpr COLORREF kFrameShadow = RGB(187, 85, 0);
constexpr COLORREF kFrameLight = RGB(255, 153, 136);
constexpr COLORREF kMainText = RGB(0, 0, 0);
constexpr COLORREF kMarkColor = RGB(204, 0, 0);
constexpr COLORREF kSelectedMarkColor = RGB(255, 255, 255);
constexpr char kMark[] = "  Brightlark";
constexpr char kSelectedMark[] = "  Brightlark MELOPAD";

void FillArea(HDC dc, const RECT& area, COLORREF color) {
  const toolkit::UniqueBrush brush(::CreateSolidBrush(color));
  ::FillRect(dc, &area, brush.Get());
}

// Bottom and right edges dark, then top and left edges light, so the row
// looks raised; the frame leaves the row's top line to the background.
void DrawFrame(HDC dc, SIZE size) {
  const int right = size.cx - 1;
  const int bottom = size.cy - 1;
  const toolkit::UniquePen shadow(::CreatePen(PS_SOLID, 1, kFrameShadow));
  const toolkit::UniquePen light(::CreatePen(PS_SOLID, 1, kFrameLight));
  {
    const toolkit::SelectedObject pen(dc, shadow.Get());
    ::MoveToEx(dc, kStripeWidth, bottom, nullptr);
    ::LineTo(dc, right, bottom);
    ::LineTo(dc, right, 1);
  }
  const toolkit::SelectedObject pen(dc, light.Get());
  ::LineTo(dc, kStripeWidth, 1);
  ::LineTo(dc, kStripeWidth, bottom);
}

void WriteText(HDC dc, int x, const std::wstring& text, COLORREF color) {
  ::SetTextColor(dc, color);
  ::TextOutW(dc, x, kTextTop, text.c_str(), static_cast<int>(text.size()));
}

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

}  // namespace

// The list's look, the row canvas as wide as the list and one row high, and
// the timer that watches the beats per bar, all from start-up on.
void TMelopadForm::SetUpScoreListView() {
  scoreListFont_ = toolkit::CreateFixedPitchFont(kFontFace, kListFontHeight, SHIFTJIS_CHARSET);
  ScoreListBox.SetFont(scoreListFont_.Get());
  ScoreListBox.SetItemHeight(kItemHeight);
  ScoreListBox.SetColor(kListColor);
  ScoreListBox.OnPaintItem = [this](const DRAWITEMSTRUCT& item) { ScoreListBoxDrawItem(item); };
  scoreRowFont_ =
      toolkit::CreateFixedPitchFont(kFontFace, kItemHeight - kFontHeightBelowRow, DEFAULT_CHARSET);
  const toolkit::WindowDc screen(ScoreListBox.Handle());
  FitRowCanvas(screen.Get(), ScoreListBox.ClientRect().width);
  VisualTimer.OnTimer = [this] { VisualTimerTimer(); };
  VisualTimer.SetInterval(kVisualTimerInterval);
  VisualTimer.SetEnabled(true);
}

// Each row is drawn whole off screen and then copied, so it never flickers.
// The row canvas is kept from row to row and paint to paint.
void TMelopadForm::ScoreListBoxDrawItem(const DRAWITEMSTRUCT& item) {
  const int row = static_cast<int>(item.itemID);
  // An empty list asks to show its focus on no row: nothing to draw.
  if (row < 0 || row >= melody_.Count()) return;
  FitRowCanvas(item.hDC, item.rcItem.right - item.rcItem.left);
  const SIZE size = RowCanvas.Size();
  // The list marks the selected line itself; the rest of a range is the
  // view's to mark.
  const auto [first, last] = melody_.SelectedRange();
  const bool inRange =
      melody_.AnchorIndex() != melopad::Melody::kNoSelection && row >= first && row <= last;
  DrawScoreRow(RowCanvas.Dc(), size, row, (item.itemState & ODS_SELECTED) != 0 || inRange);
  ::BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.cx, size.cy, RowCanvas.Dc(), 0, 0,
           SRCCOPY);
}

// The list's width changes when its scroll bar comes or goes.
void TMelopadForm::FitRowCanvas(HDC dc, int width) {
  if (RowCanvas && RowCanvas.Size().cx == width) return;
  const int height = ScoreListBox.ItemHeight();
  RowCanvas =
      toolkit::MemoryCanvas(dc, toolkit::UniqueBitmap(::CreateCompatibleBitmap(dc, width, height)));
}

void TMelopadForm::DrawScoreRow(HDC dc, SIZE size, int row, bool selected) {
  const std::string& line = melody_.Lines()[static_cast<size_t>(row)];
  const int beatsPerBar = melody_.Hyoushi();
  const std::int64_t start = melody_.StartTick(row);
  const melopad::RowPosition position = melopad::RowPositionAt(start, beatsPerBar);
  FillArea(dc, {0, 0, kStripeWidth, size.cy},
           position.bar % 2 == 0 ? kEvenBarStripe : kOddBarStripe);
  const COLORREF background = selected                 ? kSelectedRow
                              : position.beat % 2 == 0 ? kEvenBeatRow
                                                       : kOddBeatRow;
  FillArea(dc, {kStripeWidth, 0, size.cx, size.cy}, background);

  const toolkit::SelectedObject font(dc, scoreRowFont_.Get());
  const std::wstring text = toolkit::Widen(melopad::ScoreRowText(line, start, beatsPerBar));
  DrawFrame(dc, size);
  ::SetBkMode(dc, TRANSPARENT);
  // The text starts one row height in, past the note picture.
  WriteText(dc, size.cy, text, kMainText);
  WriteText(dc, TextWidth(dc, text), toolkit::Widen(selected ? kSelectedMark : kMark),
            selected ? kSelectedMarkColor : kMarkColor);

  const melopad::ScoreCodes codes = melopad::ParseScoreLine(line);
  if (codes.pitchCode != melopad::kRestPitch) {
    NoteImageList.Draw(dc, melopad::LengthIndexOf(codes.lengthCode), kNoteImageAt.x,
                       kNoteImageAt.y);
  }
}

// Beats per bar only change the view, and only this check redraws for them:
// within a second of a change every row is renumbered.
void TMelopadForm::VisualTimerTimer() {
  if (melody_.Hyoushi() == Tag) return;
  ScoreListBox.Invalidate();
  Tag = melody_.Hyoushi();
}

// The user picked a line with the mouse or the arrow keys: the melody
// follows and the line sounds briefly (a rest as a short silence). Lines the
// program selects raise no LBN_SELCHANGE and so stay silent. With Shift held
// the pick extends the selection from where it started, silently.
void TMelopadForm::ScoreListBoxClick() {
  const int selected = ScoreListBox.ItemIndex();
  if (::GetKeyState(VK_SHIFT) < 0) {
    melody_.ExtendSelectionTo(selected);
    return;
  }
  melody_.SetSelectedIndex(selected);
  if (selected < 0 || selected >= melody_.Count()) return;
  const melopad::ScoreCodes codes =
      melopad::ParseScoreLine(melody_.Lines()[static_cast<size_t>(selected)]);
  services_.sounds.PlayNote(codes.pitchCode, kPreviewMs);
}
