#include "toolkit/MetafileImage.h"

namespace toolkit {

namespace {
constexpr wchar_t kMetafileImageClass[] = L"toolkit.MetafileImage";
}

// Redrawn whole on every change of size, since every part of the picture moves.
void MetafileImage::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateOwnClass(kMetafileImageClass, WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE, bounds, parent,
                 text, CS_HREDRAW | CS_VREDRAW);
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextId(parent));
}

void MetafileImage::SetPicture(const Metafile& picture) {
  picture_.emplace(picture.Copy());
  if (HasHandle()) Invalidate();
}

LRESULT MetafileImage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      EraseWithParentBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

void MetafileImage::OnPaint(HDC dc) {
  if (!picture_) return;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  picture_->Play(dc, client);
}

}  // namespace toolkit
