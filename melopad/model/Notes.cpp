#include "melopad/model/Notes.h"

#include <stdexcept>

namespace melopad {

const std::array<const char*, 12> NoteNames = {
    "　C-", "　C#", "　D-", "　D#", "　E-", "　F-", "　F#", "　G-", "　G#", "　A-", "　A#", "　B-",
};

// Each label is 12 bytes, padded with blanks, so the pitch code that follows
// a label in a score line always stands apart from it.
const std::array<const char*, kLengthCount> LengthNames = {
    "全音符      ", "付点2分音符 ", "2分音符     ", "付点4分音符 ", "4分音符     ",
    "付点8分音符 ", "8分音符     ", "8分三連符   ", "16分三連符  ", "16分音符    ",
    "5連符       ", "32分音符    ", "64分音符    ", "128分音符   ",
};

namespace {

// Tuplets are truncated to whole ticks; the order follows the length codes,
// not the durations.
constexpr std::array<int, kLengthCount> kTicksOfLength = {
    128, 96, 64, 48, 32, 24, 16, 10, 5, 8, 6, 4, 2, 1,
};

constexpr int kKeysPerOctave = 12;
constexpr int kFirstOctaveNumber = 2;

}  // namespace

bool IsNotePitch(int pitchCode) {
  return pitchCode >= kLowestPitch && pitchCode <= kHighestPitch;
}

bool IsLengthCode(int lengthCode) {
  return lengthCode >= kFirstLengthCode && lengthCode < kFirstLengthCode + kLengthCount;
}

int LengthCodeOf(int lengthIndex) {
  if (lengthIndex < 0 || lengthIndex >= kLengthCount) {
    throw std::out_of_range("length index out of range");
  }
  return kFirstLengthCode + lengthIndex;
}

int LengthIndexOf(int lengthCode) {
  if (!IsLengthCode(lengthCode)) throw std::out_of_range("not a length code");
  return lengthCode - kFirstLengthCode;
}

int LengthTicks(int lengthCode) {
  return kTicksOfLength[static_cast<std::size_t>(LengthIndexOf(lengthCode))];
}

std::string PitchLabel(int pitchCode) {
  if (!IsNotePitch(pitchCode)) throw std::out_of_range("not a note pitch");
  const int keyIndex = pitchCode - kLowestPitch;
  std::string label = NoteNames[static_cast<std::size_t>(keyIndex % kKeysPerOctave)];
  label += std::to_string(keyIndex / kKeysPerOctave + kFirstOctaveNumber);
  return label;
}

}  // namespace melopad
