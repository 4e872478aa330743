#include "melopad/convert/WavExport.h"

#include <span>

#include "melopad/convert/ConversionError.h"
#include "melopad/convert/ToneSamples.h"
#include "melopad/model/Timing.h"

namespace melopad {

namespace {

constexpr std::size_t kHeaderSize = 44;
constexpr std::uint64_t kLargestData = 0xFFFFFFFFull - (kHeaderSize - 8);
constexpr int kSamplesPerMs = kWavSampleRate / 1000;

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  out.insert(out.end(), tag, tag + 4);
}

}  // namespace

std::vector<std::uint8_t> WriteWavFile(const HandsetTune& tune) {
  std::uint64_t samples = 0;
  for (const HandsetLine& line : tune.lines) {
    samples +=
        static_cast<std::uint64_t>(NoteDurationMs(line.lengthCode, tune.tempo)) * kSamplesPerMs;
  }
  if (samples * 2 > kLargestData) throw ConversionError("曲が長すぎて WAV ファイルに書けません。");
  const auto dataSize = static_cast<std::uint32_t>(samples * 2);

  std::vector<std::uint8_t> file;
  file.reserve(kHeaderSize + dataSize);
  PutTag(file, "RIFF");
  Put(file, static_cast<std::uint32_t>(kHeaderSize - 8) + dataSize, 4);
  PutTag(file, "WAVE");
  PutTag(file, "fmt ");
  Put(file, 16, 4);
  Put(file, 1, 2);  // PCM
  Put(file, 1, 2);  // mono
  Put(file, kWavSampleRate, 4);
  Put(file, kWavSampleRate * 2, 4);
  Put(file, 2, 2);
  Put(file, 16, 2);
  PutTag(file, "data");
  Put(file, dataSize, 4);
  // Each note starts its sample from the beginning, as PlayNote does.
  for (const HandsetLine& line : tune.lines) {
    const int count = NoteDurationMs(line.lengthCode, tune.tempo) * kSamplesPerMs;
    const std::span<const std::int16_t> tone = ToneFrames(line.pitchCode);
    for (int i = 0; i < count; ++i) {
      const std::int16_t value = tone.empty() ? 0 : tone[static_cast<std::size_t>(i) % tone.size()];
      Put(file, static_cast<std::uint16_t>(value), 2);
    }
  }
  return file;
}

}  // namespace melopad
