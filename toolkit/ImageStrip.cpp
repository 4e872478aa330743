#include "toolkit/ImageStrip.h"

#include <stdexcept>

#include "toolkit/Image.h"

namespace toolkit {

ImageStrip::ImageStrip(const wchar_t* resourceName, int imageWidth, int imageHeight,
                       COLORREF transparent)
    : strip_(LoadBitmapResource(resourceName)),
      width_(imageWidth),
      height_(imageHeight),
      transparent_(transparent) {
  BITMAP info{};
  ::GetObjectW(strip_.Get(), sizeof info, &info);
  if (info.bmHeight != imageHeight || info.bmWidth % imageWidth != 0) {
    throw std::runtime_error("picture strip of the wrong size");
  }
  count_ = info.bmWidth / imageWidth;
}

UniqueBitmap ImageStrip::AlphaBitmap(int index) const {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width_;
  format.bmiHeader.biHeight = -height_;  // top-down rows
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw std::runtime_error("cannot make a menu picture");

  UniqueDc source(::CreateCompatibleDC(nullptr));
  SelectedObject selected(source.Get(), strip_.Get());
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const COLORREF colour = ::GetPixel(source.Get(), index * width_ + x, y);
      // Opaque pixels keep their colour; transparent ones are all zero, which
      // is also their premultiplied form.
      pixels[y * width_ + x] = colour == transparent_
                                   ? 0
                                   : 0xFF000000u | (GetRValue(colour) << 16) |
                                         (GetGValue(colour) << 8) | GetBValue(colour);
    }
  }
  return bitmap;
}

void ImageStrip::Draw(HDC dc, int index, int x, int y) const {
  UniqueDc source(::CreateCompatibleDC(dc));
  SelectedObject selected(source.Get(), strip_.Get());
  ::TransparentBlt(dc, x, y, width_, height_, source.Get(), index * width_, 0, width_, height_,
                   transparent_);
}

}  // namespace toolkit
