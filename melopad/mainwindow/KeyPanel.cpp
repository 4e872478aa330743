#include "melopad/mainwindow/KeyPanel.h"

#include <windowsx.h>

LRESULT TKeyPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      ::SetCapture(Handle());
      if (OnMouseDown) OnMouseDown();
      return 0;
    case WM_LBUTTONUP:
      MouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      // The capture taken away mid-press (a message box, another window):
      // the key comes up without a click.
      if (pressed_) {
        pressed_ = false;
        if (OnMouseUp) OnMouseUp();
      }
      return 0;
    default:
      return Panel::HandleMessage(message, wParam, lParam);
  }
}

void TKeyPanel::MouseUp(int x, int y) {
  if (!pressed_) return;
  pressed_ = false;
  ::ReleaseCapture();
  if (OnMouseUp) OnMouseUp();
  const toolkit::Rect client = ClientRect();
  const bool over = x >= 0 && x < client.width && y >= 0 && y < client.height;
  if (over && OnClick) OnClick();
}
