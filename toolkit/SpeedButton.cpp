#include "toolkit/SpeedButton.h"

#include <windowsx.h>

#include "toolkit/Text.h"

namespace toolkit {

namespace {
constexpr wchar_t kSpeedButtonClass[] = L"toolkit.SpeedButton";
}

void SpeedButton::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateOwnClass(kSpeedButtonClass, WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE, bounds, parent,
                 text, 0);
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextId(parent));
}

void SpeedButton::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  if (HasHandle()) Invalidate();
}

void SpeedButton::Click() {
  if (OnClick) OnClick();
}

LRESULT SpeedButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0) Invalidate();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TrackLeaving();
        Invalidate();
      }
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      Invalidate();
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      ::SetCapture(Handle());
      Invalidate();
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = std::exchange(pressed_, false);
      ::ReleaseCapture();
      Invalidate();
      const Rect client = ClientRect();
      const int x = GET_X_LPARAM(lParam);
      const int y = GET_Y_LPARAM(lParam);
      if (wasPressed && x >= 0 && x < client.width && y >= 0 && y < client.height) Click();
      return 0;
    }
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

void SpeedButton::TrackLeaving() {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = Handle();
  ::TrackMouseEvent(&track);
}

void SpeedButton::OnPaint(HDC dc) {
  RECT area{};
  ::GetClientRect(Handle(), &area);
  // A button that is down shows the lighter checked face, as pressed
  // toggle buttons do.
  ::FillRect(dc, &area, ::GetSysColorBrush(down_ ? COLOR_3DLIGHT : COLOR_BTNFACE));
  const bool sunken = down_ || pressed_;
  if (sunken) {
    ::DrawEdge(dc, &area, flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
  } else if (!flat_) {
    ::DrawEdge(dc, &area, EDGE_RAISED, BF_RECT);
  } else if (hot_) {
    ::DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  }
  const std::wstring caption = Widen(Text());
  const SelectedObject font(dc, font_ != nullptr ? font_ : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  if (sunken) ::OffsetRect(&area, 1, 1);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace toolkit
