#include "toolkit/Image.h"

#include <stdexcept>

#include "toolkit/Text.h"

namespace toolkit {

namespace {
constexpr wchar_t kImageClass[] = L"toolkit.Image";
}

void Image::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreatePictureWindow(kImageClass, parent, bounds, text);
}

void Image::SetPicture(UniqueBitmap picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void Image::OnPaint(HDC dc) {
  if (!picture_) return;
  BITMAP info{};
  ::GetObjectW(picture_.Get(), sizeof info, &info);
  UniqueDc source(::CreateCompatibleDC(dc));
  SelectedObject selected(source.Get(), picture_.Get());
  // A two-colour picture takes black and white from the text colours.
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  ::BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
}

UniqueBitmap LoadBitmapResource(const wchar_t* name) {
  UniqueBitmap bitmap(static_cast<HBITMAP>(
      ::LoadImageW(::GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) throw std::runtime_error("missing picture resource " + Narrow(name));
  return bitmap;
}

}  // namespace toolkit
