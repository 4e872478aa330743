#include "melopad/controls/IButton.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/wine/support/Picture.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace {

using testing_support::Picture;

// Colours far apart, so each pixel tells which part of the button drew it.
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kLight = RGB(255, 0, 0);
constexpr COLORREF kDark = RGB(0, 0, 255);
constexpr COLORREF kFill = RGB(0, 255, 0);
constexpr COLORREF kHalo = RGB(255, 0, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);

constexpr int kWidth = 120;
constexpr int kHeight = 24;
constexpr int kMiddle = kWidth / 2;
// A solid glyph: its inside has the exact text colour whatever the
// font's smoothing, so the caption is found by colour.
constexpr char kSolidCaption[] = "■";

// A form with an edit and, after it in tab order, the button under test.
class ButtonForm : public toolkit::Form {
 public:
  ButtonForm() : Form(Design()) {
    PlaceControls({
        {Edit, {10, 10, 100, 20}},
        {Button, {10, 40, kWidth, kHeight}, kSolidCaption},
    });
    EnableDialogNavigation();
    Button.SetColor(kFill);
    Button.SetBorderHighlight(kLight);
    Button.SetBorderShadow(kDark);
    Button.SetFontShadow(kHalo);
    Button.SetFontColor(kInk);
  }

  toolkit::Edit Edit;
  TIButton Button;

 private:
  static toolkit::FormDesign Design() {
    toolkit::FormDesign design;
    design.caption = "iButton test";
    design.clientWidth = 200;
    design.clientHeight = 80;
    design.color = kBackground;
    return design;
  }
};

// The caption's extent: the pixels in none of the capsule's colours nor
// the background's, the font's smoothed edges included.
RECT CaptionBounds(const Picture& look) {
  return look.BoundsWhere([](COLORREF pixel) {
    return pixel != kFill && pixel != kLight && pixel != kDark && pixel != kBackground;
  });
}

int WidthOf(const RECT& box) {
  return box.right - box.left;
}

int HeightOf(const RECT& box) {
  return box.bottom - box.top;
}

class IButtonTest : public testing_support::WindowTest {
 protected:
  Picture Look() const { return Picture::Printed(form.Button.Handle()); }
  void Send(UINT message, int x, int y) {
    ::SendMessageW(form.Button.Handle(), message, 0, MAKELPARAM(x, y));
  }

  ButtonForm form;
};

TEST_F(IButtonTest, StartsWithTheDesignDefaults) {
  TIButton button;
  EXPECT_EQ(button.Caption(), "iButton");
  EXPECT_EQ(button.BorderWidth(), 2);
  EXPECT_EQ(button.Color(), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(button.BorderShadow(), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(button.BorderHighlight(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(button.FontShadow(), ::GetSysColor(COLOR_GRAYTEXT));
}

TEST_F(IButtonTest, LooksRaisedWithTheFormBackgroundInItsCorners) {
  const Picture look = Look();
  // The straight edges run between the centres of the two end circles.
  for (int x = kHeight / 2; x <= kWidth - kHeight / 2; ++x) {
    ASSERT_EQ(look.At(x, 0), kLight) << "top edge at x = " << x;
    ASSERT_EQ(look.At(x, kHeight - 1), kDark) << "bottom edge at x = " << x;
  }
  EXPECT_EQ(look.At(0, kHeight / 2 - 1), kLight) << "left end";
  EXPECT_EQ(look.At(kWidth - 1, kHeight / 2), kDark) << "right end";
  EXPECT_EQ(look.At(kMiddle, 2), kFill) << "inside the two-pixel bevel";
  EXPECT_EQ(look.At(0, 0), kBackground) << "corner outside the capsule";
  EXPECT_EQ(look.At(kWidth - 1, kHeight - 1), kBackground) << "corner outside the capsule";
}

// Pie wedges and bands meet along edges where GDI may give a pixel to
// neither; the background must not show through there.
TEST_F(IButtonTest, BackgroundShowsOnlyOutsideTheCapsule) {
  form.Show();
  ::SetFocus(form.Button.Handle());
  for (const bool pressed : {false, true}) {
    if (pressed) Send(WM_LBUTTONDOWN, kMiddle, kHeight / 2);
    const Picture look = Look();
    for (int y = 0; y < kHeight; ++y) {
      int left = 0;
      while (left < kWidth && look.At(left, y) == kBackground) ++left;
      int right = kWidth - 1;
      while (right > left && look.At(right, y) == kBackground) --right;
      for (int x = left; x <= right; ++x) {
        ASSERT_NE(look.At(x, y), kBackground)
            << "hole at (" << x << "," << y << ")" << (pressed ? " while pressed" : "");
      }
    }
  }
}

TEST_F(IButtonTest, PressingSwapsTheBevelColoursUntilRelease) {
  Send(WM_LBUTTONDOWN, kMiddle, kHeight / 2);
  EXPECT_TRUE(form.Button.Pressed());
  const Picture pressed = Look();
  EXPECT_EQ(pressed.At(kMiddle, 0), kDark) << "top edge while pressed";
  EXPECT_EQ(pressed.At(kMiddle, kHeight - 1), kLight) << "bottom edge while pressed";

  Send(WM_LBUTTONUP, kMiddle, kHeight / 2);
  EXPECT_FALSE(form.Button.Pressed());
  EXPECT_EQ(::GetCapture(), nullptr) << "the mouse is still captured";
  const Picture released = Look();
  EXPECT_EQ(released.At(kMiddle, 0), kLight) << "top edge after release";
  EXPECT_EQ(released.At(kMiddle, kHeight - 1), kDark) << "bottom edge after release";
}

TEST_F(IButtonTest, ClicksOnlyWhenAPressIsReleasedOverTheButton) {
  struct Step {
    UINT message;
    int x;
    int y;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    int clicks;
  };
  const Case cases[] = {
      {"press and release over it",
       {{WM_LBUTTONDOWN, kMiddle, 12}, {WM_LBUTTONUP, kMiddle, 12}},
       1},
      {"release at the last pixel",
       {{WM_LBUTTONDOWN, kMiddle, 12}, {WM_LBUTTONUP, kWidth - 1, kHeight - 1}},
       1},
      {"release outside", {{WM_LBUTTONDOWN, kMiddle, 12}, {WM_LBUTTONUP, kWidth, 12}}, 0},
      {"release below", {{WM_LBUTTONDOWN, kMiddle, 12}, {WM_LBUTTONUP, kMiddle, kHeight + 5}}, 0},
      {"release without a press", {{WM_LBUTTONUP, kMiddle, 12}}, 0},
  };
  for (const Case& c : cases) {
    int clicks = 0;
    form.Button.OnClick = [&clicks] { ++clicks; };
    for (const Step& step : c.steps) Send(step.message, step.x, step.y);
    EXPECT_EQ(clicks, c.clicks) << c.name;
    EXPECT_FALSE(form.Button.Pressed()) << c.name;
  }
}

TEST_F(IButtonTest, WithoutBorderShowsAOnePixelBevelOnlyWithTheFocus) {
  form.Button.SetBorderWidth(0);
  form.Show();
  const Picture flat = Look();
  EXPECT_EQ(flat.At(kMiddle, 0), kFill) << "top edge without focus";
  EXPECT_EQ(flat.At(kMiddle, kHeight - 1), kFill) << "bottom edge without focus";

  ::SetFocus(form.Button.Handle());
  ASSERT_EQ(::GetFocus(), form.Button.Handle());
  const Picture focused = Look();
  EXPECT_EQ(focused.At(kMiddle, 0), kLight) << "top edge with focus";
  EXPECT_EQ(focused.At(kMiddle, 1), kFill) << "second row with focus";
  EXPECT_EQ(focused.At(kMiddle, kHeight - 1), kDark) << "bottom edge with focus";
  EXPECT_EQ(focused.At(kMiddle, kHeight - 2), kFill) << "second row from the bottom with focus";
}

TEST_F(IButtonTest, CaptionIsCentredWithAHaloAndGrowsWithTheFocus) {
  form.Show();
  const Picture plain = Look();
  ::SetFocus(form.Button.Handle());
  ASSERT_EQ(::GetFocus(), form.Button.Handle());
  const Picture focused = Look();

  ASSERT_TRUE(plain.Has(kInk)) << "no caption drawn in the font colour";
  EXPECT_TRUE(plain.Has(kHalo)) << "no halo around the caption";
  const RECT plainCaption = CaptionBounds(plain);
  const RECT focusedCaption = CaptionBounds(focused);
  EXPECT_GT(WidthOf(focusedCaption), WidthOf(plainCaption)) << "caption does not grow with focus";
  EXPECT_GT(HeightOf(focusedCaption), HeightOf(plainCaption)) << "caption does not grow with focus";
  for (const RECT& caption : {plainCaption, focusedCaption}) {
    const int centre = (caption.left + caption.right) / 2;
    EXPECT_NEAR(centre, kMiddle, 2) << "caption from " << caption.left << " to " << caption.right;
  }
}

TEST_F(IButtonTest, DisabledShowsTheCaptionOnceInTheFontShadowNotBold) {
  const RECT enabledInk = Look().BoundsOf(kInk);
  ASSERT_GT(WidthOf(enabledInk), 0) << "no caption drawn in the font colour";

  form.Button.SetFontBold(true);
  form.Button.SetEnabled(false);
  const Picture disabled = Look();
  EXPECT_FALSE(disabled.Has(kInk)) << "caption drawn in the font colour while disabled";
  // Drawn once, not bold, at the place of the enabled caption: a halo or a
  // bold face would reach beyond the enabled caption's box.
  const RECT shadow = disabled.BoundsOf(kHalo);
  EXPECT_TRUE(::EqualRect(&shadow, &enabledInk))
      << "disabled caption at (" << shadow.left << "," << shadow.top << ")-(" << shadow.right << ","
      << shadow.bottom << "), enabled at (" << enabledInk.left << "," << enabledInk.top << ")-("
      << enabledInk.right << "," << enabledInk.bottom << ")";
}

TEST_F(IButtonTest, CaptionChangeIsDrawnWithoutWaitingForARepaint) {
  form.Show();
  ASSERT_TRUE(PumpUntil([this] { return !::GetUpdateRect(form.Button.Handle(), nullptr, FALSE); }));
  ASSERT_TRUE(Picture::OnScreen(form.Button.Handle()).Has(kInk)) << "first caption not on screen";

  form.Button.SetCaption("");
  EXPECT_EQ(form.Button.Caption(), "");
  EXPECT_FALSE(Picture::OnScreen(form.Button.Handle()).Has(kInk)) << "old caption still shown";
  form.Button.SetCaption(kSolidCaption);
  EXPECT_TRUE(Picture::OnScreen(form.Button.Handle()).Has(kInk)) << "new caption not shown";
  EXPECT_EQ(form.Button.Text(), kSolidCaption) << "window text out of step with the caption";
}

TEST_F(IButtonTest, HoveringInsideTheEdgeTakesTheFocus) {
  form.Show();
  ::SetForegroundWindow(form.Handle());
  ::SetFocus(form.Edit.Handle());
  Send(WM_MOUSEMOVE, 0, kHeight / 2);
  EXPECT_EQ(::GetFocus(), form.Edit.Handle()) << "focus taken on the left edge";
  Send(WM_MOUSEMOVE, kMiddle, kHeight / 2);
  EXPECT_EQ(::GetFocus(), form.Button.Handle()) << "focus not taken in the middle";
}

TEST_F(IButtonTest, KeyboardUsersCanTabToItAndClickIt) {
  int clicks = 0;
  form.Button.OnClick = [&clicks] { ++clicks; };
  form.Show();
  ::SetFocus(form.Edit.Handle());
  MSG tab{form.Edit.Handle(), WM_KEYDOWN, VK_TAB, 1};
  form.PreTranslateMessage(tab);
  ASSERT_EQ(::GetFocus(), form.Button.Handle()) << "Tab does not reach the button";

  struct Key {
    const char* name;
    WPARAM key;
    LPARAM flags;
    int clicks;
  };
  const Key keys[] = {
      {"Enter", VK_RETURN, 1, 1},
      {"Space", VK_SPACE, 1, 1},
      {"Space held down", VK_SPACE, 1 | (1 << 30), 0},
      {"a letter", 'A', 1, 0},
  };
  for (const Key& key : keys) {
    clicks = 0;
    MSG down{form.Button.Handle(), WM_KEYDOWN, key.key, key.flags};
    if (!form.PreTranslateMessage(down)) ::DispatchMessageW(&down);
    EXPECT_EQ(clicks, key.clicks) << key.name;
  }
}

}  // namespace
