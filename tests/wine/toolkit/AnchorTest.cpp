#include "toolkit/Anchor.h"

#include <gtest/gtest.h>

#include "tests/wine/support/WindowPlaces.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Form.h"

namespace {

using testing_support::PlaceInParent;

class AnchorTest : public testing_support::WindowTest {};

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "錨";
  design.clientWidth = 300;
  design.clientHeight = 200;
  design.border = toolkit::BorderStyle::Sizeable;
  return design;
}

class AnchoredForm : public toolkit::Form {
 public:
  AnchoredForm() : Form(Design()) {
    PlaceControls({{Bar, {0, 150, 300, 50}}, {Button, {200, 10, 85, 25}, "ボタン", &Bar}});
  }
  toolkit::Panel Bar;
  toolkit::Button Button;
};

TEST_F(AnchorTest, AnAnchoredControlKeepsItsDistanceToTheRightAndBottomEdges) {
  AnchoredForm form;
  const toolkit::RightBottomAnchor anchor(form.Button);
  const struct {
    toolkit::Rect bar;
    RECT expected;
  } cases[] = {
      {{0, 0, 500, 80}, {400, 40, 485, 65}},
      {{0, 0, 150, 50}, {50, 10, 135, 35}},
      {{0, 0, 300, 50}, {200, 10, 285, 35}},
  };
  for (const auto& c : cases) {
    form.Bar.SetBounds(c.bar);
    anchor.Follow();
    const RECT place = PlaceInParent(form.Button);
    EXPECT_TRUE(::EqualRect(&place, &c.expected))
        << c.bar.width << " x " << c.bar.height << ": " << place.left << "," << place.top << ","
        << place.right << "," << place.bottom;
  }
}

}  // namespace
