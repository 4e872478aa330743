// Raises the system timer's resolution for one scope, so that short waits
// last what they ask for, and restores it afterwards.
#pragma once

#include <windows.h>

#include <mmsystem.h>

namespace toolkit {

class TimerResolution {
 public:
  explicit TimerResolution(UINT milliseconds)
      : milliseconds_(milliseconds), raised_(::timeBeginPeriod(milliseconds) == TIMERR_NOERROR) {}
  TimerResolution(const TimerResolution&) = delete;
  TimerResolution& operator=(const TimerResolution&) = delete;
  ~TimerResolution() {
    if (raised_) ::timeEndPeriod(milliseconds_);
  }

 private:
  UINT milliseconds_;
  bool raised_;
};

}  // namespace toolkit
