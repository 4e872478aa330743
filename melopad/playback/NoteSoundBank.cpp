#include "melopad/playback/NoteSoundBank.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdio>

#include "toolkit/Text.h"

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
