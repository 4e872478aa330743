// Where a test's windows stand, and clicks as the mouse makes them.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/Window.h"

namespace testing_support {

// The control's rectangle in its parent's client coordinates.
inline RECT PlaceInParent(const toolkit::Window& control) {
  RECT rect{};
  ::GetWindowRect(control.Handle(), &rect);
  ::MapWindowPoints(nullptr, ::GetParent(control.Handle()), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// "left,top,right,bottom", for messages of failed checks.
inline std::string Describe(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

// A press and release over the button, as the mouse makes them. The button's
// window procedure hands an error to the default error display.
inline void ClickWithMouse(const toolkit::Window& button) {
  ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

}  // namespace testing_support
