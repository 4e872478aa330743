#include <windows.h>

#include <cmath>

#include "melopad/playback/PlaybackClock.h"
#include "toolkit/TimerResolution.h"

SystemPlaybackClock::SystemPlaybackClock() {
  LARGE_INTEGER frequency{};
  ::QueryPerformanceFrequency(&frequency);
  ticksPerMs_ = static_cast<double>(frequency.QuadPart) / 1000.0;
}

double SystemPlaybackClock::NowMs() {
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / ticksPerMs_;
}

// Sleeps in whole milliseconds, rounded up, and sleeps again if the sleep
// came back early, so a note never ends before its moment. The finer timer
// keeps each sleep from lasting a whole scheduler tick longer.
void SystemPlaybackClock::WaitUntil(double momentMs) {
  double remaining = momentMs - NowMs();
  if (remaining <= 0) return;
  const toolkit::TimerResolution fineTimer(1);
  while (remaining > 0) {
    ::Sleep(static_cast<DWORD>(std::ceil(remaining)));
    remaining = momentMs - NowMs();
  }
}
