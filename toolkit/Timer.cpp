#include "toolkit/Timer.h"

namespace toolkit {

namespace {
constexpr wchar_t kTimerClass[] = L"toolkit.Timer";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

Timer::Receiver::Receiver(Timer& timer) : timer_(timer) {
  CreateOwnClass(kTimerClass, 0, 0, {}, HWND_MESSAGE, {});
}

LRESULT Timer::Receiver::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return Window::HandleMessage(message, wParam, lParam);
  timer_.Tick();
  return 0;
}

Timer::Timer() : receiver_(*this) {}

Timer::~Timer() {
  ::KillTimer(receiver_.Handle(), kTimerId);
}

void Timer::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

// SetTimer on a running timer's identifier replaces it, so the count starts over.
void Timer::Restart() {
  if (enabled_ && interval_ > 0) {
    ::SetTimer(receiver_.Handle(), kTimerId, interval_, nullptr);
  } else {
    ::KillTimer(receiver_.Handle(), kTimerId);
  }
}

// A WM_TIMER still queued when the timer was stopped is dropped.
void Timer::Tick() {
  if (enabled_ && OnTimer) OnTimer();
}

}  // namespace toolkit
