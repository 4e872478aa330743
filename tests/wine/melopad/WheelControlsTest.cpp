#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "melopad/controls/WheelButton.h"
#include "melopad/controls/WheelUpDown.h"
#include "tests/wine/support/Picture.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"

namespace {

using testing_support::Picture;

// A wheel on its own, tall enough for its bands to be told apart.
constexpr int kWheelWidth = 16;
constexpr int kWheelHeight = 200;
// Rows in the middle of two neighbouring bands of that wheel: band 9 covers
// rows 100 to 114, band 10 (just above it) rows 84 to 99.
constexpr int kLowerBandRow = 107;
constexpr int kUpperBandRow = 92;

constexpr int kUpDownHeight = 21;

// The editor's two spin boxes, designed as the main window designs them,
// an edit to hold the focus elsewhere, and a wheel on its own.
class WheelForm : public toolkit::Form {
 public:
  WheelForm() : Form(Design()) {
    // A form's design sets the properties in this order, before the
    // windows exist.
    TempoUpDown.SetPosition(120);
    TempoUpDown.SetMax(200);
    TempoUpDown.SetMin(75);
    HyoushiUpDown.SetPosition(4);
    HyoushiUpDown.SetMax(8);
    HyoushiUpDown.SetMin(1);
    PlaceControls({
        {Edit, {10, 60, 100, 20}},
        {TempoUpDown, {10, 10, 62, kUpDownHeight}},
        {HyoushiUpDown, {80, 10, 53, kUpDownHeight}},
        {Wheel, {150, 0, kWheelWidth, kWheelHeight}},
    });
  }

  toolkit::Edit Edit;
  TWheelUpDown TempoUpDown;
  TWheelUpDown HyoushiUpDown;
  TWheelButton Wheel;

 private:
  static toolkit::FormDesign Design() {
    toolkit::FormDesign design;
    design.caption = "wheel test";
    design.clientWidth = 200;
    design.clientHeight = kWheelHeight;
    return design;
  }
};

COLORREF Shadow() {
  return ::GetSysColor(COLOR_BTNSHADOW);
}
COLORREF Face() {
  return ::GetSysColor(COLOR_BTNFACE);
}
COLORREF Highlight() {
  return ::GetSysColor(COLOR_BTNHIGHLIGHT);
}

class WheelControlsTest : public testing_support::WindowTest {
 protected:
  static HWND WheelOf(const TWheelUpDown& upDown) {
    return ::FindWindowExW(upDown.Handle(), nullptr, L"melopad.WheelButton", nullptr);
  }
  static HWND ArrowsOf(const TWheelUpDown& upDown) {
    return ::FindWindowExW(upDown.Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  }
  static TWheelButton& WheelButtonOf(const TWheelUpDown& upDown) {
    return dynamic_cast<TWheelButton&>(*toolkit::Window::FromHandle(WheelOf(upDown)));
  }

  // One turn of the mouse wheel by the delta, as the system sends it.
  static void Turn(HWND wheel, int delta) {
    ::SendMessageW(wheel, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
  }

  // A press and release on the upper or lower arrow.
  static void ClickArrow(const TWheelUpDown& upDown, bool up) {
    HWND arrows = ArrowsOf(upDown);
    RECT client{};
    ::GetClientRect(arrows, &client);
    const LPARAM at = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
    ::SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(arrows, WM_LBUTTONUP, 0, at);
  }

  static void Mouse(HWND window, UINT message, WPARAM keys, int x, int y) {
    ::SendMessageW(window, message, keys, MAKELPARAM(x, y));
  }

  WheelForm form;
};

TEST_F(WheelControlsTest, DesignedValuesSurviveTheOrderAFormSetsThem) {
  EXPECT_EQ(form.TempoUpDown.Position(), 120);
  EXPECT_EQ(form.TempoUpDown.Max(), 200);
  EXPECT_EQ(form.TempoUpDown.Min(), 75);
  EXPECT_EQ(form.TempoUpDown.Text(), "120");
  EXPECT_EQ(form.HyoushiUpDown.Position(), 4);
  EXPECT_EQ(form.HyoushiUpDown.Text(), "4");
}

TEST_F(WheelControlsTest, WheelDeltaGivesOneStepPerWholeNotch) {
  struct Case {
    int delta;
    int ups;
    int downs;
  };
  const Case cases[] = {{360, 3, 0}, {-240, 0, 2}, {60, 0, 0},   {-60, 0, 0},
                        {119, 0, 0}, {121, 1, 0},  {-359, 0, 2}, {120, 1, 0}};
  for (const Case& c : cases) {
    int ups = 0;
    int downs = 0;
    form.Wheel.OnUp = [&ups] { ++ups; };
    form.Wheel.OnDown = [&downs] { ++downs; };
    Turn(form.Wheel.Handle(), c.delta);
    EXPECT_EQ(ups, c.ups) << "delta " << c.delta;
    EXPECT_EQ(downs, c.downs) << "delta " << c.delta;
  }
}

TEST_F(WheelControlsTest, TurningTheWheelStepsTheValueWithinItsRange) {
  struct Case {
    int start;
    int delta;
    int position;
  };
  const Case cases[] = {
      {200, 120, 200}, {200, -120, 199}, {120, 360, 123}, {120, -240, 118},
      {120, 60, 120},  {76, -240, 75},   {199, 360, 200},
  };
  for (const Case& c : cases) {
    form.TempoUpDown.SetPosition(c.start);
    Turn(WheelOf(form.TempoUpDown), c.delta);
    EXPECT_EQ(form.TempoUpDown.Position(), c.position) << c.start << " turned by " << c.delta;
    EXPECT_EQ(form.TempoUpDown.Text(), std::to_string(c.position))
        << c.start << " turned by " << c.delta;
  }
}

TEST_F(WheelControlsTest, DraggingWithTheLeftButtonStepsOncePerMouseMove) {
  struct Step {
    const char* name;
    UINT message;
    WPARAM keys;
    int y;
    int position;
  };
  const Step steps[] = {
      {"press", WM_LBUTTONDOWN, MK_LBUTTON, 12, 120},
      {"up a little", WM_MOUSEMOVE, MK_LBUTTON, 10, 121},
      {"up a lot", WM_MOUSEMOVE, MK_LBUTTON, 1, 122},
      {"up beyond the wheel", WM_MOUSEMOVE, MK_LBUTTON, -40, 123},
      {"sideways only", WM_MOUSEMOVE, MK_LBUTTON, -40, 123},
      {"down a lot", WM_MOUSEMOVE, MK_LBUTTON, 15, 122},
      {"release", WM_LBUTTONUP, 0, 15, 122},
      {"up without the button", WM_MOUSEMOVE, 0, 3, 122},
      {"button held, pressed elsewhere", WM_MOUSEMOVE, MK_LBUTTON, 1, 122},
  };
  HWND wheel = WheelOf(form.TempoUpDown);
  for (const Step& step : steps) {
    Mouse(wheel, step.message, step.keys, kWheelWidth / 2, step.y);
    EXPECT_EQ(form.TempoUpDown.Position(), step.position) << step.name;
    EXPECT_EQ(form.TempoUpDown.Text(), std::to_string(step.position)) << step.name;
  }
  EXPECT_EQ(::GetCapture(), nullptr) << "the mouse is still captured after the release";
}

TEST_F(WheelControlsTest, MovingWithoutAButtonOnlyTakesTheFocus) {
  form.Show();
  ::SetForegroundWindow(form.Handle());
  ::SetFocus(form.Edit.Handle());
  HWND wheel = WheelOf(form.TempoUpDown);
  Mouse(wheel, WM_MOUSEMOVE, 0, 0, 8);
  EXPECT_EQ(::GetFocus(), form.Edit.Handle()) << "focus taken on the left edge";
  Mouse(wheel, WM_MOUSEMOVE, 0, 8, 8);
  EXPECT_EQ(::GetFocus(), wheel) << "focus not taken over the wheel";
  Mouse(wheel, WM_MOUSEMOVE, 0, 8, 2);
  EXPECT_EQ(form.TempoUpDown.Position(), 120);
  EXPECT_EQ(WheelButtonOf(form.TempoUpDown).Phase(), 0) << "the wheel turned";
}

TEST_F(WheelControlsTest, ArrowsStepTheValueWithinItsRange) {
  struct Case {
    int start;
    bool up;
    int position;
  };
  const Case cases[] = {{8, true, 8}, {4, false, 3}, {4, true, 5}, {1, false, 1}};
  for (const Case& c : cases) {
    form.HyoushiUpDown.SetPosition(c.start);
    ClickArrow(form.HyoushiUpDown, c.up);
    const char* arrow = c.up ? "up" : "down";
    EXPECT_EQ(form.HyoushiUpDown.Position(), c.position) << arrow << " from " << c.start;
    EXPECT_EQ(form.HyoushiUpDown.Text(), std::to_string(c.position))
        << arrow << " from " << c.start;
  }
}

TEST_F(WheelControlsTest, WritingPositionKeepsItInTheRangeAndShowsIt) {
  struct Case {
    int min;
    int max;
    int written;
    int position;
  };
  const Case cases[] = {
      {1, 8, 10, 8},
      {1, 8, 0, 1},
      {1, 8, 5, 5},
      {-5, 5, -3, -3},
      {-5, 5, -10, -5},
      {-5, 5, 7, 5},
      {-32768, 32767, 40000, 32767},
      {-32768, 32767, -40000, -32768},
  };
  for (const Case& c : cases) {
    form.HyoushiUpDown.SetMin(c.min);
    form.HyoushiUpDown.SetMax(c.max);
    form.HyoushiUpDown.SetPosition(c.written);
    EXPECT_EQ(form.HyoushiUpDown.Position(), c.position)
        << c.written << " in " << c.min << " to " << c.max;
    EXPECT_EQ(form.HyoushiUpDown.Text(), std::to_string(c.position))
        << c.written << " in " << c.min << " to " << c.max;
  }
}

// The arrow control holds 16 bits; wider limits would wrap to the other sign.
TEST_F(WheelControlsTest, LimitsBeyondSixteenBitsAreHeldAtTheNearestValue) {
  form.HyoushiUpDown.SetMax(40000);
  form.HyoushiUpDown.SetMin(-40000);
  EXPECT_EQ(form.HyoushiUpDown.Max(), 32767);
  EXPECT_EQ(form.HyoushiUpDown.Min(), -32768);
  form.HyoushiUpDown.SetPosition(32767);
  Turn(WheelOf(form.HyoushiUpDown), 120);
  EXPECT_EQ(form.HyoushiUpDown.Position(), 32767);
}

TEST_F(WheelControlsTest, OnChangingIsAskedWithTheOldValueBeforeArrowAndWheelSteps) {
  std::vector<int> asked;
  form.HyoushiUpDown.OnChanging = [&](bool&) { asked.push_back(form.HyoushiUpDown.Position()); };
  ClickArrow(form.HyoushiUpDown, true);
  Turn(WheelOf(form.HyoushiUpDown), 240);
  ClickArrow(form.HyoushiUpDown, false);
  EXPECT_EQ(asked, (std::vector<int>{4, 5, 6, 7}));

  asked.clear();
  form.HyoushiUpDown.SetPosition(2);
  EXPECT_TRUE(asked.empty()) << "asked when Position was written";
}

TEST_F(WheelControlsTest, RefusingOnChangingBlocksArrowAndWheelSteps) {
  form.HyoushiUpDown.OnChanging = [](bool& allowChange) { allowChange = false; };
  ClickArrow(form.HyoushiUpDown, true);
  EXPECT_EQ(form.HyoushiUpDown.Position(), 4) << "after the up arrow";
  ClickArrow(form.HyoushiUpDown, false);
  EXPECT_EQ(form.HyoushiUpDown.Position(), 4) << "after the down arrow";
  Turn(WheelOf(form.HyoushiUpDown), 120);
  EXPECT_EQ(form.HyoushiUpDown.Position(), 4) << "after a wheel notch";
  EXPECT_EQ(form.HyoushiUpDown.Text(), "4");
  EXPECT_EQ(WheelButtonOf(form.HyoushiUpDown).Phase(), 3) << "the wheel did not turn";
}

TEST_F(WheelControlsTest, OnChangeTellsEachNewValueOnce) {
  std::vector<std::string> told;
  form.HyoushiUpDown.OnChange = [&] { told.push_back(form.HyoushiUpDown.Text()); };
  ClickArrow(form.HyoushiUpDown, true);    // 5
  Turn(WheelOf(form.HyoushiUpDown), 360);  // 6, 7, 8
  Turn(WheelOf(form.HyoushiUpDown), 120);  // stays 8
  ClickArrow(form.HyoushiUpDown, true);    // stays 8
  form.HyoushiUpDown.SetPosition(2);
  form.HyoushiUpDown.SetPosition(2);
  EXPECT_EQ(told, (std::vector<std::string>{"5", "6", "7", "8", "2"}));
}

TEST_F(WheelControlsTest, TheValueSitsBetweenTheWheelAtTheLeftAndTheArrowsAtTheRight) {
  RECT wheel{};
  ::GetWindowRect(WheelOf(form.TempoUpDown), &wheel);
  RECT arrows{};
  ::GetWindowRect(ArrowsOf(form.TempoUpDown), &arrows);
  ::MapWindowPoints(nullptr, form.TempoUpDown.Handle(), reinterpret_cast<POINT*>(&wheel), 2);
  ::MapWindowPoints(nullptr, form.TempoUpDown.Handle(), reinterpret_cast<POINT*>(&arrows), 2);
  // Inside the raised outer and lowered inner bevels of one pixel each.
  const RECT inside{2, 2, 62 - 2, kUpDownHeight - 2};
  const RECT left{inside.left, inside.top, inside.left + 16, inside.bottom};
  const RECT right{inside.right - 16, inside.top, inside.right, inside.bottom};
  EXPECT_TRUE(::EqualRect(&wheel, &left)) << "wheel at " << wheel.left << "," << wheel.top << " to "
                                          << wheel.right << "," << wheel.bottom;
  EXPECT_TRUE(::EqualRect(&arrows, &right)) << "arrows at " << arrows.left << "," << arrows.top
                                            << " to " << arrows.right << "," << arrows.bottom;

  const Picture look = Picture::Printed(form.TempoUpDown.Handle());
  EXPECT_EQ(look.At(31, 0), Highlight()) << "outer bevel not raised";
  EXPECT_EQ(look.At(31, 1), Shadow()) << "inner bevel not lowered";
}

// Up moves the shades towards the top: the band above shows what the band
// below it showed. Down moves them the other way.
TEST_F(WheelControlsTest, EachStepMovesTheRibsOneBand) {
  struct Case {
    const char* name;
    void (TWheelButton::*step)();
    int from;
    int to;
    int phases[4];
  };
  const Case cases[] = {
      {"up", &TWheelButton::Up, kLowerBandRow, kUpperBandRow, {3, 2, 1, 0}},
      {"down", &TWheelButton::Down, kUpperBandRow, kLowerBandRow, {1, 2, 3, 0}},
  };
  const int x = kWheelWidth / 2;
  for (const Case& c : cases) {
    for (int phase : c.phases) {
      const COLORREF before = Picture::Printed(form.Wheel.Handle()).At(x, c.from);
      (form.Wheel.*c.step)();
      EXPECT_EQ(form.Wheel.Phase(), phase) << c.name;
      EXPECT_EQ(Picture::Printed(form.Wheel.Handle()).At(x, c.to), before)
          << c.name << " to phase " << phase;
    }
  }
}

TEST_F(WheelControlsTest, RibsShowTheButtonShadesAndTheWheelLooksSunk) {
  std::vector<COLORREF> shades;
  for (int step = 0; step < 4; ++step) {
    shades.push_back(Picture::Printed(form.Wheel.Handle()).At(kWheelWidth / 2, kLowerBandRow));
    form.Wheel.Down();
  }
  EXPECT_EQ(shades, (std::vector<COLORREF>{Face(), Face(), Highlight(), Shadow()}));

  const Picture look = Picture::Printed(form.Wheel.Handle());
  const int middle = kWheelHeight / 2;
  EXPECT_EQ(look.At(0, middle), Shadow()) << "left edge";
  EXPECT_EQ(look.At(kWheelWidth / 2, 0), Shadow()) << "top edge";
  EXPECT_EQ(look.At(kWheelWidth - 1, middle), Highlight()) << "right edge";
  EXPECT_EQ(look.At(kWheelWidth / 2, kWheelHeight - 1), Highlight()) << "bottom edge";
}

}  // namespace
