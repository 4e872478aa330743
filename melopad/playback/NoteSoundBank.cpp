#include "melopad/playback/NoteSoundBank.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdio>

#include "toolkit/Text.h"
#include "toolkit/TimerResolution.h"

std::string SampleName(int pitchCode) {
  char name[16];
  std::snprintf(name, sizeof name, "SND%02X", static_cast<unsigned>(pitchCode));
  return name;
}

void SystemNoteSoundBank::PlayNote(int pitchCode, int durationMs) {
  // Asynchronous, looping without end, from the program's own resources, and
  // no default system sound when there is no such sample (rests): 0x4000F.
  constexpr DWORD kFlags = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_LOOP;
  // The wait must last the duration, not a whole scheduler tick more.
  const toolkit::TimerResolution fineTimer(1);
  const std::wstring name = toolkit::Widen(SampleName(pitchCode));
  ::PlaySoundW(name.c_str(), ::GetModuleHandleW(nullptr), kFlags);
  ::Sleep(static_cast<DWORD>(durationMs > 0 ? durationMs : 0));
  ::PlaySoundW(nullptr, nullptr, 0);
}
