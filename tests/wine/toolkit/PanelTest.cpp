#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/support/Picture.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace {

using testing_support::Picture;
using toolkit::Bevel;

constexpr int kWidth = 120;
constexpr int kHeight = 30;
// A solid glyph: its inside has the exact text colour whatever the font's
// smoothing, so the caption is found by colour.
constexpr char kSolidCaption[] = "■";

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "panel";
  design.clientWidth = 200;
  design.clientHeight = 100;
  return design;
}

class PanelForm : public toolkit::Form {
 public:
  PanelForm() : Form(Design()) { PlaceControls({{Panel, {10, 10, kWidth, kHeight}}}); }
  toolkit::Panel Panel;
};

class PanelTest : public testing_support::WindowTest {
 protected:
  Picture Look() const { return Picture::Printed(form.Panel.Handle()); }
  bool Painted() const { return !::GetUpdateRect(form.Panel.Handle(), nullptr, FALSE); }

  PanelForm form;
};

// The shades of the rows at the top (from row 0 down) and at the bottom
// (from the last row up), in the middle column: S shadow, H highlight, F face.
TEST_F(PanelTest, BevelsAndBorderRunFromTheEdgeInwards) {
  struct Case {
    const char* name;
    Bevel outer;
    int border;
    Bevel inner;
    const char* top;
    const char* bottom;
    int inset;
  };
  const Case cases[] = {
      {"plain", Bevel::None, 0, Bevel::None, "FFF", "FFF", 0},
      {"inner lowered", Bevel::None, 0, Bevel::Lowered, "SFF", "HFF", 1},
      {"tool bar: border 2, inner lowered", Bevel::None, 2, Bevel::Lowered, "FFSF", "FFHF", 3},
      {"outer raised", Bevel::Raised, 1, Bevel::None, "HFF", "SFF", 2},
      {"outer raised, inner lowered", Bevel::Raised, 0, Bevel::Lowered, "HSF", "SHF", 2},
      {"outer lowered, inner raised", Bevel::Lowered, 0, Bevel::Raised, "SHF", "HSF", 2},
  };
  const auto shade = [](char code) {
    return ::GetSysColor(code == 'S'   ? COLOR_BTNSHADOW
                         : code == 'H' ? COLOR_BTNHIGHLIGHT
                                       : COLOR_BTNFACE);
  };
  for (const Case& c : cases) {
    form.Panel.SetBevelOuter(c.outer);
    form.Panel.SetBorderWidth(c.border);
    form.Panel.SetBevelInner(c.inner);
    const Picture look = Look();
    for (int row = 0; c.top[row] != '\0'; ++row) {
      EXPECT_EQ(look.At(kWidth / 2, row), shade(c.top[row])) << c.name << ", top row " << row;
      EXPECT_EQ(look.At(kWidth / 2, kHeight - 1 - row), shade(c.bottom[row]))
          << c.name << ", bottom row " << row;
    }
    const toolkit::Rect content = form.Panel.ContentRect();
    EXPECT_EQ(content.left, c.inset) << c.name;
    EXPECT_EQ(content.top, c.inset) << c.name;
    EXPECT_EQ(content.width, kWidth - 2 * c.inset) << c.name;
    EXPECT_EQ(content.height, kHeight - 2 * c.inset) << c.name;
  }
}

TEST_F(PanelTest, CaptionIsCentredInTheFormsFont) {
  const COLORREF ink = ::GetSysColor(COLOR_BTNTEXT);
  EXPECT_FALSE(Look().Has(ink)) << "a caption drawn without text";
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(form.Panel.Handle(), WM_GETFONT, 0, 0)),
            form.Font());

  form.Panel.SetBevelOuter(Bevel::Raised);
  form.Panel.SetBevelInner(Bevel::Lowered);
  form.Panel.SetText(kSolidCaption);
  const RECT caption = Look().BoundsOf(ink);
  ASSERT_FALSE(::IsRectEmpty(&caption)) << "no caption drawn";
  EXPECT_NEAR((caption.left + caption.right) / 2, kWidth / 2, 1)
      << "caption from x " << caption.left << " to " << caption.right;
  EXPECT_NEAR((caption.top + caption.bottom) / 2, kHeight / 2, 2)
      << "caption from y " << caption.top << " to " << caption.bottom;
}

TEST_F(PanelTest, ANewTextIsDrawnAndTheOldOneErased) {
  const COLORREF ink = ::GetSysColor(COLOR_BTNTEXT);
  form.Show();
  ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  for (const std::string text : {kSolidCaption, ""}) {
    form.Panel.SetText(text);
    EXPECT_FALSE(Painted()) << "not invalidated by the text \"" << text << "\"";
    ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
    EXPECT_EQ(Picture::OnScreen(form.Panel.Handle()).Has(ink), !text.empty())
        << "on screen after the text \"" << text << "\"";
  }
}

// Its bevels follow its edges, so a panel made a little wider or taller is
// drawn again whole: the old edges must not stay behind inside it.
TEST_F(PanelTest, AResizedPanelLeavesNoOldEdgesInside) {
  form.Panel.SetBevelOuter(Bevel::Lowered);
  form.Panel.SetBevelInner(Bevel::Raised);
  form.Show();
  ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  for (int step = 1; step <= 3; ++step) {
    form.Panel.SetBounds({10, 10, kWidth + 3 * step, kHeight + 2 * step});
    ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
  }
  const Picture look = Picture::OnScreen(form.Panel.Handle());
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  for (int x = kWidth - 2; x < kWidth + 6; ++x) {
    EXPECT_EQ(look.At(x, kHeight / 2), face) << "an old right edge at x " << x;
  }
  for (int y = kHeight - 2; y < kHeight + 4; ++y) {
    EXPECT_EQ(look.At(kWidth / 2, y), face) << "an old bottom edge at y " << y;
  }
}

}  // namespace
