// A flat button that stays down: drawn without a frame until the pointer is
// over it, raised while hovered, sunken while down. Buttons of one group are
// kept exclusive by their owner, which puts one down and the others up.
#pragma once

#include <functional>

#include "toolkit/Control.h"

namespace toolkit {

class SpeedButton : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;

  bool Down() const { return down_; }
  void SetDown(bool down);
  // A click as the mouse makes it: press and release over the button.
  void Click();
  std::function<void()> OnClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  void TrackLeaving();

  bool down_ = false;
  bool hot_ = false;
  bool pressed_ = false;
  HFONT font_ = nullptr;
};

}  // namespace toolkit
