#include "toolkit/ImageStrip.h"

#include <stdexcept>
#include <vector>

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

  // The strip's pixels, read at once as top-down 32-bit rows.
  BITMAPINFO stripFormat = format;
  stripFormat.bmiHeader.biWidth = width_ * count_;
  std::vector<DWORD> strip(static_cast<size_t>(width_ * count_ * height_));
  const UniqueDc screen(::CreateCompatibleDC(nullptr));
  ::GetDIBits(screen.Get(), strip_.Get(), 0, static_cast<UINT>(height_), strip.data(), &stripFormat,
              DIB_RGB_COLORS);
  const DWORD transparent =
      (GetRValue(transparent_) << 16) | (GetGValue(transparent_) << 8) | GetBValue(transparent_);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const DWORD colour =
          strip[static_cast<size_t>(y * width_ * count_ + index * width_ + x)] & 0xFFFFFFu;
      // Opaque pixels keep their colour; transparent ones are all zero, which
      // is also their premultiplied form.
      pixels[y * width_ + x] = colour == transparent ? 0 : 0xFF000000u | colour;
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
