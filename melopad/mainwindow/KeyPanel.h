// One key of the on-screen keyboard: a panel that tells its window when the
// mouse button goes down and up over it, and when that made a click (press
// and release over the key; dragging off it first is no click).
#pragma once

#include <functional>

#include "toolkit/Control.h"

class TKeyPanel : public toolkit::Panel {
 public:
  // The key's pitch code.
  int Tag = 0;

  std::function<void()> OnMouseDown;
  std::function<void()> OnMouseUp;
  std::function<void()> OnClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MouseUp(int x, int y);
  bool pressed_ = false;
};
