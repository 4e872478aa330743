#include "melopad/model/Keyboard.h"

#include <cstring>

namespace melopad {

namespace {
constexpr int kNoteImageWidth = 16;
}

int KeyIndexOfCharacter(char character) {
  if (character == '\0') return -1;
  const char* found = std::strchr(kKeyMap, character);
  return found != nullptr ? static_cast<int>(found - kKeyMap) : -1;
}

bool IsBlackKey(int keyIndex) {
  return KeyPositions[static_cast<size_t>(keyIndex % 12)] % 2 != 0;
}

// The integer steps run in this order, so the sizes are those of the design:
// a 447 x 101 panel gives keys 20 wide and 40 high.
PanelPlace KeyPanelPlace(int keyIndex, int panelWidth, int panelHeight) {
  const int keyWidth = panelWidth / 36 * 12 / 7;
  const int octave = keyIndex / 12;
  const int position = KeyPositions[static_cast<size_t>(keyIndex % 12)];
  const int left = octave * panelWidth / 3 + position * keyWidth / 2;
  const int top = IsBlackKey(keyIndex) ? 5 : panelHeight / 2 + 5;
  return {left, top, keyWidth, panelHeight / 2 - 10};
}

PanelPlace LengthButtonPlace(int lengthIndex, int panelWidth, int panelHeight) {
  const int height = panelHeight / 14;
  return {16 + kNoteImageWidth, lengthIndex * height, panelWidth - 40, height};
}

}  // namespace melopad
