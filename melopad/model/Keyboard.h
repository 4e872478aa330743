// The keyboard of the editor: which PC key enters which note, and where the
// on-screen keys and length buttons lie in their panels.
#pragma once

#include <array>

namespace melopad {

// Character k enters key index k (pitch code 39 + k): per octave, the lower
// row of a PC keyboard gives the white keys and the row above the black keys.
inline constexpr char kKeyMap[] = "zsxdcvgbhnjm,l.;/q2w3e4rt6y7ui9o0p-@";

// The key index a typed character enters (exact, case-sensitive), or -1.
int KeyIndexOfCharacter(char character);

// The place of each pitch class, C to B, in half key widths; even places are
// white keys, odd ones black (5 and 13 stay free between E and F and after B).
inline constexpr std::array<int, 12> KeyPositions{0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12};

bool IsBlackKey(int keyIndex);

struct PanelPlace {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const PanelPlace&) const = default;
};

// The on-screen key of a key index in a keyboard panel of the given size:
// black keys in the upper row, white keys in the lower, each octave a third
// of the panel wide.
PanelPlace KeyPanelPlace(int keyIndex, int panelWidth, int panelHeight);

// The length button of a length index in a panel of the given client size,
// with room for its 16-pixel note picture on the left.
PanelPlace LengthButtonPlace(int lengthIndex, int panelWidth, int panelHeight);

}  // namespace melopad
