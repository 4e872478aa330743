#include "melopad/playback/NoteSoundBank.h"

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <cstdio>

#include "toolkit/Text.h"

namespace {

// A wave file of 10 ms of silence in the samples' own format: 8000 Hz,
// 16 bits, mono. The header's fields are little-endian.
constexpr unsigned kSilenceBytes = 160;
constexpr unsigned kHeaderBytes = 44;
using WaveBytes = std::array<unsigned char, kHeaderBytes + kSilenceBytes>;

constexpr WaveBytes SilentWave() {
  WaveBytes wave{};
  unsigned at = 0;
  const auto text = [&](const char* four) {
    for (int i = 0; i < 4; ++i) wave[at++] = static_cast<unsigned char>(four[i]);
  };
  const auto number = [&](unsigned value, int bytes) {
    for (int i = 0; i < bytes; ++i) wave[at++] = static_cast<unsigned char>(value >> (8 * i));
  };
  text("RIFF");
  number(kHeaderBytes - 8 + kSilenceBytes, 4);
  text("WAVE");
  text("fmt ");
  number(16, 4);     // the size of the format
  number(1, 2);      // PCM
  number(1, 2);      // one channel
  number(8000, 4);   // frames per second
  number(16000, 4);  // bytes per second
  number(2, 2);      // bytes per frame
  number(16, 2);     // bits per sample
  text("data");
  number(kSilenceBytes, 4);
  return wave;  // the samples stay zero
}

// Played from memory; the sound service reads it while it plays, so it lives
// as long as the program.
constexpr WaveBytes kSilentWave = SilentWave();

}  // namespace

std::string SampleName(int pitchCode) {
  char name[16];
  std::snprintf(name, sizeof name, "SND%02X", static_cast<unsigned>(pitchCode));
  return name;
}

// The note's length is counted from the moment it started sounding.
void NoteSoundBank::PlayNote(int pitchCode, int durationMs) {
  StartNote(pitchCode);
  PlaybackClock& clock = Clock();
  clock.WaitUntil(clock.NowMs() + durationMs);
  StopSound();
}

void SystemNoteSoundBank::StartNote(int pitchCode) {
  // Asynchronous, looping without end, from the program's own resources, and
  // no default system sound when there is no such sample (rests): 0x4000F.
  constexpr DWORD kFlags = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_LOOP;
  const std::wstring name = toolkit::Widen(SampleName(pitchCode));
  ::PlaySoundW(name.c_str(), ::GetModuleHandleW(nullptr), kFlags);
}

void SystemNoteSoundBank::StopSound() {
  ::PlaySoundW(nullptr, nullptr, 0);
}

// The sound service loads its driver and opens the device on the first sound
// a process plays; under Wine that takes a few hundred ms after the Wine server
// has started, with or without a sound card. Playing 10 ms of silence in the
// samples' format asynchronously does all of it on the service's own thread
// while this call returns at once. A note started before it has finished
// waits for it, as it would have anyway. Without a sound device the service
// still loads (and that still takes the time); nothing is heard either way.
void SystemNoteSoundBank::Prepare() {
  ::PlaySoundW(reinterpret_cast<const wchar_t*>(kSilentWave.data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}
