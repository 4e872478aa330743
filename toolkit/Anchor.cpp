#include "toolkit/Anchor.h"

namespace toolkit {

namespace {

RECT PlaceInParent(HWND control) {
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

RECT ParentClient(HWND control) {
  RECT client{};
  ::GetClientRect(::GetParent(control), &client);
  return client;
}

}  // namespace

RightBottomAnchor::RightBottomAnchor(const Window& control) : control_(control.Handle()) {
  const RECT place = PlaceInParent(control_);
  const RECT parent = ParentClient(control_);
  rightGap_ = parent.right - place.right;
  bottomGap_ = parent.bottom - place.bottom;
}

void RightBottomAnchor::Follow() const {
  const RECT place = PlaceInParent(control_);
  const RECT parent = ParentClient(control_);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  ::SetWindowPos(control_, nullptr, parent.right - rightGap_ - width,
                 parent.bottom - bottomGap_ - height, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace toolkit
