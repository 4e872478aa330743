#include "melopad/model/Keyboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using melopad::PanelPlace;

TEST(Keyboard, EveryMappedCharacterEntersItsKeyAndNothingElseDoes) {
  const std::string map = melopad::kKeyMap;
  ASSERT_EQ(map.size(), 36u);
  for (size_t k = 0; k < map.size(); ++k) EXPECT_EQ(melopad::KeyIndexOfCharacter(map[k]), k);
  for (char other : {'Z', 'P', 'a', ' ', '>', '<', 'A', '\0', '1'}) {
    EXPECT_EQ(melopad::KeyIndexOfCharacter(other), -1) << other;
  }
  // Spot checks against the piano layout: C-2, C-3, A-4, B-4.
  EXPECT_EQ(melopad::KeyIndexOfCharacter('z'), 0);
  EXPECT_EQ(melopad::KeyIndexOfCharacter(','), 12);
  EXPECT_EQ(melopad::KeyIndexOfCharacter('p'), 33);
  EXPECT_EQ(melopad::KeyIndexOfCharacter('@'), 35);
}

TEST(Keyboard, KeysLieInTwoRowsWithBlackKeysBetweenTheirWhiteNeighbours) {
  // At the design size 447 x 101 the keys are 20 wide and 40 high.
  const struct {
    int key;
    PanelPlace place;
  } cases[] = {
      {0, {0, 55, 20, 40}},                              // C-2, white
      {1, {10, 5, 20, 40}},                              // C#2, black, straddling C and D
      {4, {40, 55, 20, 40}},                             // E-2
      {5, {60, 55, 20, 40}},                             // F-2 after the free place
      {11, {120, 55, 20, 40}},                           // B-2
      {12, {149, 55, 20, 40}},                           // C-3 starts the second third
      {13, {159, 5, 20, 40}},  {35, {418, 55, 20, 40}},  // B-4
  };
  for (const auto& c : cases) EXPECT_EQ(melopad::KeyPanelPlace(c.key, 447, 101), c.place) << c.key;
}

TEST(Keyboard, KeyPlacesFollowTheIntegerStepsAtOtherSizes) {
  // 600 x 120: width 600/36 = 16, *12 = 192, /7 = 27; height 50.
  EXPECT_EQ(melopad::KeyPanelPlace(0, 600, 120), (PanelPlace{0, 65, 27, 50}));
  EXPECT_EQ(melopad::KeyPanelPlace(3, 600, 120), (PanelPlace{40, 5, 27, 50}));
  EXPECT_EQ(melopad::KeyPanelPlace(25, 600, 120), (PanelPlace{413, 5, 27, 50}));
}

TEST(Keyboard, LengthButtonsStackInTheScorePanelBesideTheirPictures) {
  EXPECT_EQ(melopad::LengthButtonPlace(0, 131, 246), (PanelPlace{32, 0, 91, 17}));
  EXPECT_EQ(melopad::LengthButtonPlace(4, 131, 246), (PanelPlace{32, 68, 91, 17}));
  EXPECT_EQ(melopad::LengthButtonPlace(13, 131, 246), (PanelPlace{32, 221, 91, 17}));
}

}  // namespace
