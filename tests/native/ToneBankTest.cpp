// The note sound bank as the build draws it: one WAVE file per key, checked
// against the handset format and against the tone each key must sound.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kFirstPitch = 39;
constexpr int kLastPitch = 74;

// The data sizes every sample must have, pitch code 39 first.
constexpr int kDataSizes[] = {
    4561, 4305, 4064, 3836, 3620, 3417, 3225, 3044, 2873, 2712, 2560, 2416,
    2281, 2153, 2032, 1918, 1810, 1709, 1613, 1522, 1437, 1356, 1280, 1208,
    1141, 1077, 1016, 959,  905,  855,  807,  761,  719,  678,  640,  604,
};

double ToneOf(int pitch) {
  return 442.0 * std::pow(2.0, (pitch - 55) / 12.0);
}

std::string NameOf(int pitch) {
  char name[8];
  std::snprintf(name, sizeof name, "SND%02X", pitch);
  return name;
}

Bytes ReadSample(int pitch) {
  std::ifstream file(std::string(TONE_DIR) + "/" + NameOf(pitch) + ".wav", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const Bytes& b, size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::string Tag(const Bytes& b, size_t at) {
  return std::string(b.begin() + at, b.begin() + at + 4);
}

// The played frames: whole 16-bit frames of the data, a trailing odd byte left out.
std::vector<int> Frames(const Bytes& sample) {
  std::vector<int> frames;
  const size_t dataSize = U32(sample, 42);
  for (size_t at = 46; at + 1 < 46 + dataSize; at += 2) {
    frames.push_back(static_cast<std::int16_t>(U16(sample, at)));
  }
  return frames;
}

TEST(ToneBank, EverySampleHasTheHandsetHeaderAndItsDataSize) {
  for (int pitch = kFirstPitch; pitch <= kLastPitch; ++pitch) {
    SCOPED_TRACE(NameOf(pitch));
    const Bytes sample = ReadSample(pitch);
    const std::uint32_t dataSize = static_cast<std::uint32_t>(kDataSizes[pitch - kFirstPitch]);
    ASSERT_EQ(sample.size(), 46 + dataSize);
    EXPECT_EQ(Tag(sample, 0), "RIFF");
    EXPECT_EQ(U32(sample, 4), sample.size() - 8);
    EXPECT_EQ(Tag(sample, 8), "WAVE");
    EXPECT_EQ(Tag(sample, 12), "fmt ");
    EXPECT_EQ(U32(sample, 16), 18u);
    EXPECT_EQ(U16(sample, 20), 1);      // PCM
    EXPECT_EQ(U16(sample, 22), 1);      // mono
    EXPECT_EQ(U32(sample, 24), 8000u);  // samples per second
    EXPECT_EQ(U32(sample, 28), 16000u);
    EXPECT_EQ(U16(sample, 32), 2);
    EXPECT_EQ(U16(sample, 34), 16);
    EXPECT_EQ(U16(sample, 36), 0);
    EXPECT_EQ(Tag(sample, 38), "data");
    EXPECT_EQ(U32(sample, 42), dataSize);
  }
}

TEST(ToneBank, EverySampleSoundsItsKeysToneLoudly) {
  for (int pitch = kFirstPitch; pitch <= kLastPitch; ++pitch) {
    SCOPED_TRACE(NameOf(pitch));
    const std::vector<int> frames = Frames(ReadSample(pitch));
    // Rising zero crossings, the loop's seam included, count whole periods.
    int rising = 0;
    for (size_t k = 0; k < frames.size(); ++k) {
      const int next = frames[(k + 1) % frames.size()];
      if (frames[k] < 0 && next >= 0) ++rising;
    }
    const double measured = rising * 8000.0 / static_cast<double>(frames.size());
    EXPECT_NEAR(measured, ToneOf(pitch), ToneOf(pitch) * 0.005);
    int peak = 0;
    for (int value : frames) peak = std::max(peak, std::abs(value));
    EXPECT_GT(peak, 30000);
    EXPECT_LE(peak, 32767);
  }
}

TEST(ToneBank, LoopingASampleHasNoStepAtTheSeam) {
  for (int pitch = kFirstPitch; pitch <= kLastPitch; ++pitch) {
    SCOPED_TRACE(NameOf(pitch));
    const std::vector<int> frames = Frames(ReadSample(pitch));
    int largestStep = 0;
    for (size_t k = 0; k + 1 < frames.size(); ++k) {
      largestStep = std::max(largestStep, std::abs(frames[k + 1] - frames[k]));
    }
    // From the last frame back to the first is one more step of the same
    // sine, and so no larger than any step inside it; the slope there (the
    // seam lies at a zero crossing) must continue upwards too.
    const int seamStep = frames.front() - frames.back();
    EXPECT_LE(std::abs(seamStep), largestStep);
    EXPECT_GT(seamStep, 0);
  }
}

}  // namespace
