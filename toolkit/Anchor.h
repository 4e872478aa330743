// Anchoring to the right and bottom: a control that keeps the distance it
// has to its parent's right and bottom edges when the parent changes size.
#pragma once

#include <windows.h>

#include "toolkit/Window.h"

namespace toolkit {

class RightBottomAnchor {
 public:
  // Takes the distances the control has now, in its parent's client area.
  explicit RightBottomAnchor(const Window& control);
  // Moves the control so that it has those distances again; its size stays.
  void Follow() const;

 private:
  HWND control_;
  int rightGap_;
  int bottomGap_;
};

}  // namespace toolkit
