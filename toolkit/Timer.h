// A timer that calls OnTimer every Interval milliseconds while it is
// enabled. It receives its WM_TIMER messages in a hidden message-only window
// of its own, so it needs no form, and it stops when it is destroyed.
#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/Window.h"

namespace toolkit {

class Timer {
 public:
  Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  UINT Interval() const { return interval_; }
  // A running timer starts counting the new interval afresh.
  void SetInterval(UINT milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The window that receives the timer's WM_TIMER messages.
  HWND Handle() const { return receiver_.Handle(); }

  std::function<void()> OnTimer;

 private:
  class Receiver : public Window {
   public:
    explicit Receiver(Timer& timer);

   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    Timer& timer_;
  };

  void Restart();
  void Tick();

  Receiver receiver_;
  UINT interval_ = 1000;
  bool enabled_ = false;
};

}  // namespace toolkit
