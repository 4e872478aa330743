// How long a line plays: ticks times 1800 over the tempo, remainder dropped.
#include "melopad/model/Timing.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "melopad/model/Notes.h"

namespace {

using melopad::LengthCodeOf;
using melopad::NoteDurationMs;

TEST(NoteDurationMs, EveryLengthAtTempo120) {
  // In the order of the length codes 192 to 205.
  const int expected[melopad::kLengthCount] = {
      1920,  // whole
      1440,  // dotted half
      960,   // half
      720,   // dotted quarter
      480,   // quarter
      360,   // dotted eighth
      240,   // eighth
      150,   // eighth-note triplet
      75,    // sixteenth-note triplet
      120,   // sixteenth
      90,    // quintuplet
      60,    // thirty-second
      30,    // sixty-fourth
      15,    // hundred-twenty-eighth
  };
  for (int index = 0; index < melopad::kLengthCount; ++index) {
    EXPECT_EQ(NoteDurationMs(LengthCodeOf(index), 120), expected[index])
        << melopad::LengthNames[static_cast<size_t>(index)];
  }
}

TEST(NoteDurationMs, OtherTemposDropTheRemainder) {
  const int quarter = LengthCodeOf(melopad::kQuarterLengthIndex);
  const int whole = LengthCodeOf(0);
  const int shortest = LengthCodeOf(13);
  const struct {
    int lengthCode;
    int tempo;
    int ms;
  } cases[] = {
      {quarter, 75, 768},         {whole, 75, 3072},          {shortest, 75, 24},
      {quarter, 200, 288},        {shortest, 200, 9},         {whole, 200, 1152},
      {quarter, 121, 476},        {shortest, 121, 14},        {LengthCodeOf(8), 121, 74},
      {LengthCodeOf(7), 199, 90}, {LengthCodeOf(8), 76, 118},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NoteDurationMs(c.lengthCode, c.tempo), c.ms)
        << "length code " << c.lengthCode << " at tempo " << c.tempo;
  }
}

TEST(NoteDurationMs, RejectsACodeThatIsNoLength) {
  EXPECT_THROW(NoteDurationMs(191, 120), std::out_of_range);
  EXPECT_THROW(NoteDurationMs(206, 120), std::out_of_range);
}

}  // namespace
