// Pitch and length codes of the melody, with the labels shown for them.
#pragma once

#include <array>
#include <string>

namespace melopad {

// Pitch code 0 is a rest; 39 to 74 are the 36 keys, three chromatic octaves from C.
inline constexpr int kRestPitch = 0;
inline constexpr int kLowestPitch = 39;
inline constexpr int kHighestPitch = 74;
inline constexpr int kKeyCount = kHighestPitch - kLowestPitch + 1;

// Length codes 192 to 205 are the 14 note lengths, in the order of the length buttons.
inline constexpr int kFirstLengthCode = 192;
inline constexpr int kLengthCount = 14;
inline constexpr int kQuarterLengthIndex = 4;

// Ticks are the duration unit: a whole note is 128, a quarter note (one beat) 32.
inline constexpr int kTicksPerBeat = 32;

extern const std::array<const char*, 12> NoteNames;
extern const std::array<const char*, kLengthCount> LengthNames;

bool IsNotePitch(int pitchCode);
bool IsLengthCode(int lengthCode);

int LengthCodeOf(int lengthIndex);
int LengthIndexOf(int lengthCode);

// Ticks of one of the 14 length codes; throws std::out_of_range for any other.
int LengthTicks(int lengthCode);

// "　C-2" for pitch code 39 up to "　B-4" for 74.
std::string PitchLabel(int pitchCode);

}  // namespace melopad
