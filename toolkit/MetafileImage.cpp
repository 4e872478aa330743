#include "toolkit/MetafileImage.h"

namespace toolkit {

namespace {
constexpr wchar_t kMetafileImageClass[] = L"toolkit.MetafileImage";
}

// Redrawn whole on every change of size, since every part of the picture moves.
void MetafileImage::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreatePictureWindow(kMetafileImageClass, parent, bounds, text, CS_HREDRAW | CS_VREDRAW);
}

void MetafileImage::SetPicture(const Metafile& picture) {
  picture_.emplace(picture.Copy());
  if (HasHandle()) Invalidate();
}

void MetafileImage::OnPaint(HDC dc) {
  if (!picture_) return;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  picture_->Play(dc, client);
}

}  // namespace toolkit
