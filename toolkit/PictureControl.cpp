#include "toolkit/PictureControl.h"

namespace toolkit {

void PictureControl::CreatePictureWindow(const wchar_t* className, HWND parent, const Rect& bounds,
                                         std::string_view text, UINT classStyle) {
  CreateOwnClass(className, WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE, bounds, parent, text,
                 classStyle);
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextId(parent));
}

LRESULT PictureControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      EraseWithParentBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace toolkit
