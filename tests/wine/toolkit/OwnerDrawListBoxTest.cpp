#include <windows.h>

#include <gtest/gtest.h>
#include <imm.h>

#include <string>
#include <vector>

#include "tests/wine/support/Picture.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Font.h"
#include "toolkit/Form.h"
#include "toolkit/OwnerDrawListBox.h"
#include "toolkit/UniqueHandle.h"

namespace {

using testing_support::Picture;

constexpr int kItemHeight = 20;
constexpr COLORREF kListColor = RGB(255, 128, 0);
constexpr COLORREF kEvenRow = RGB(10, 20, 30);
constexpr COLORREF kOddRow = RGB(40, 50, 60);
constexpr COLORREF kSelectedRow = RGB(0, 255, 255);

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "owner-drawn list";
  design.clientWidth = 200;
  design.clientHeight = 150;
  return design;
}

// The list with a plain list box beside it for comparison. Its rows are
// filled with one colour each: by parity (shifted by `shift`), or the
// selected colour.
class ListForm : public toolkit::Form {
 public:
  ListForm() : Form(Design()) {
    PlaceControls({{List, {10, 10, 120, 100}}, {Plain, {140, 10, 50, 100}}});
    List.SetItemHeight(kItemHeight);
    List.SetColor(kListColor);
    List.OnPaintItem = [this](const DRAWITEMSTRUCT& item) {
      if (static_cast<int>(item.itemID) < 0) return;
      const COLORREF color = (item.itemState & ODS_SELECTED) != 0 ? kSelectedRow
                             : (item.itemID + shift) % 2 == 0     ? kEvenRow
                                                                  : kOddRow;
      const toolkit::UniqueBrush brush(::CreateSolidBrush(color));
      ::FillRect(item.hDC, &item.rcItem, brush.Get());
    };
  }

  toolkit::OwnerDrawListBox List;
  toolkit::ListBox Plain;
  unsigned shift = 0;
};

class OwnerDrawListBoxTest : public testing_support::WindowTest {
 protected:
  bool Painted() const { return !::GetUpdateRect(form.List.Handle(), nullptr, FALSE); }

  ListForm form;
};

TEST_F(OwnerDrawListBoxTest, RowsAreTheOwnersDrawingOnTheListsColour) {
  form.List.SetCount(3);
  form.List.SetItemIndex(1);
  form.Show();
  ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  const Picture look = Picture::OnScreen(form.List.Handle());
  const struct {
    const char* what;
    int y;
    COLORREF color;
  } rows[] = {
      {"row 0", 0, kEvenRow},
      {"row 0, last line", kItemHeight - 1, kEvenRow},
      {"row 1, selected", kItemHeight, kSelectedRow},
      {"row 2", 2 * kItemHeight + 5, kEvenRow},
      {"below the last row", 3 * kItemHeight, kListColor},
      {"bottom of the list", look.Height() - 1, kListColor},
  };
  for (const auto& r : rows) EXPECT_EQ(look.At(look.Width() / 2, r.y), r.color) << r.what;
}

TEST_F(OwnerDrawListBoxTest, AnEmptyListShowsOnlyItsColour) {
  form.Show();
  ::SetFocus(form.List.Handle());
  ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  const Picture look = Picture::OnScreen(form.List.Handle());
  for (const POINT at : {POINT{0, 0}, POINT{look.Width() / 2, look.Height() / 2},
                         POINT{look.Width() - 1, look.Height() - 1}}) {
    EXPECT_EQ(look.At(at.x, at.y), kListColor) << "at " << at.x << "," << at.y;
  }
}

// The list keeps a number of rows and nothing else: the owner says which
// rows to draw again, and a shorter list forgets a selection past its end.
TEST_F(OwnerDrawListBoxTest, RedrawsFromTheChangedRowAndForgetsASelectionPastTheEnd) {
  form.List.SetCount(4);
  form.Show();
  ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  form.shift = 1;
  form.List.InvalidateFrom(1);
  ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  Picture look = Picture::OnScreen(form.List.Handle());
  EXPECT_EQ(look.At(5, 5), kEvenRow) << "row 0 was drawn again";
  EXPECT_EQ(look.At(5, kItemHeight + 5), kEvenRow) << "row 1 was not drawn again";
  EXPECT_EQ(look.At(5, 2 * kItemHeight + 5), kOddRow) << "row 2 was not drawn again";

  form.List.SetCount(3);
  form.List.InvalidateFrom(3);
  ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  look = Picture::OnScreen(form.List.Handle());
  EXPECT_EQ(look.At(5, 3 * kItemHeight + 5), kListColor) << "the removed row is still shown";

  form.List.SetItemIndex(2);
  form.List.SetCount(2);
  EXPECT_EQ(form.List.Count(), 2);
  EXPECT_EQ(form.List.ItemIndex(), -1);
}

TEST_F(OwnerDrawListBoxTest, HasASingleLineBorderAndKeepsItsHeight) {
  const LONG_PTR style = ::GetWindowLongPtrW(form.List.Handle(), GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(form.List.Handle(), GWL_EXSTYLE);
  EXPECT_NE(style & WS_BORDER, 0) << "no single-line border";
  EXPECT_EQ(exStyle & WS_EX_CLIENTEDGE, 0) << "a sunken edge";
  EXPECT_NE(style & LBS_OWNERDRAWFIXED, 0);

  const toolkit::UniqueFont large = toolkit::CreateUiFont("ＭＳ ゴシック", 30);
  form.List.SetFont(large.Get());
  EXPECT_EQ(form.List.ItemHeight(), kItemHeight) << "a new font changed the row height";
}

// Taking a window's input context away returns the one it had. (Without an
// input method installed ImmGetContext answers null for every window.)
TEST_F(OwnerDrawListBoxTest, HasNoInputMethodContext) {
  const auto takeContext = [](HWND window) { return ::ImmAssociateContext(window, nullptr); };
  ASSERT_NE(takeContext(form.Plain.Handle()), nullptr)
      << "a plain list has no input context here either: nothing to compare with";
  EXPECT_EQ(takeContext(form.List.Handle()), nullptr);
}

// A two-byte character is no key: its lead and trail bytes never arrive as
// two key presses.
TEST_F(OwnerDrawListBoxTest, TypedSingleByteCharactersArriveAsShiftJisBytes) {
  std::string typed;
  form.List.OnKeyPress = [&typed](char key) { typed += key; };
  const struct {
    wchar_t character;
    std::string bytes;
  } cases[] = {
      {L'q', "q"}, {L'1', "1"}, {L'ｱ', "\xB1"}, {L'あ', ""}, {L'\u3000', ""},
  };
  for (const auto& c : cases) {
    typed.clear();
    ::SendMessageW(form.List.Handle(), WM_CHAR, c.character, 1);
    EXPECT_EQ(typed, c.bytes) << "character U+" << std::hex << static_cast<int>(c.character);
  }
}

TEST_F(OwnerDrawListBoxTest, KeysAreReportedAndStillMoveTheSelection) {
  form.List.SetCount(2);
  form.List.SetItemIndex(0);
  std::vector<WPARAM> keys;
  int selectionChanges = 0;
  form.List.OnKeyDown = [&keys](WPARAM key) { keys.push_back(key); };
  form.List.OnSelectionChange = [&selectionChanges] { ++selectionChanges; };
  ::SendMessageW(form.List.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(keys, std::vector<WPARAM>{VK_DOWN});
  EXPECT_EQ(form.List.ItemIndex(), 1);
  EXPECT_EQ(selectionChanges, 1);
}

}  // namespace
