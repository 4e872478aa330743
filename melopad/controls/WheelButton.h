// A narrow thumbwheel seen edge-on: twenty horizontal ribs in four shades,
// thin near the top and bottom and wide in the middle, like a cylinder seen
// from the side. Turning the mouse wheel over it, or dragging on it with the
// left button, steps it up or down: each step fires OnUp or OnDown and moves
// the ribs by one band, so they follow the finger. The system sends wheel
// messages to the focus window, so the wheel takes the focus while the
// pointer rests over it.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "toolkit/Control.h"

class TWheelButton : public toolkit::Control {
 public:
  void Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) override;

  virtual void Up();
  virtual void Down();
  // Which of the four shades the lowest band shows, 0 to 3.
  int Phase() const { return phase_; }

  std::function<void()> OnUp;
  std::function<void()> OnDown;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MouseDown(int y);
  void MouseUp();
  void MouseMove(WPARAM keys, int x, int y);
  void MouseWheel(int delta);
  void OnPaint(HDC target) override;

  int phase_ = 0;
  int lastY_ = 0;
  // A press on the wheel is being dragged; other presses turn nothing.
  bool dragging_ = false;
};
