// A button that can stay down. A flat one is drawn without a frame until the
// pointer is over it, raised while hovered, sunken while down; one that is not
// flat looks like a push button, raised until pressed. Buttons of one group
// are kept exclusive by their owner, which puts one down and the others up.
#pragma once

#include <functional>

#include "toolkit/Control.h"

namespace toolkit {

class SpeedButton : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;

  void SetFlat(bool flat) { flat_ = flat; }
  bool Down() const { return down_; }
  void SetDown(bool down);
  // A click as the mouse makes it: press and release over the button.
  void Click();
  std::function<void()> OnClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint(HDC dc) override;
  void TrackLeaving();

  bool flat_ = true;
  bool down_ = false;
  bool hot_ = false;
  bool pressed_ = false;
  HFONT font_ = nullptr;
};

}  // namespace toolkit
