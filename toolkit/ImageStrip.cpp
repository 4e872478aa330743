#include "toolkit/ImageStrip.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/Image.h"

namespace toolkit {

namespace {

// A top-down 32-bit bitmap whose pixels the program reads and writes.
UniqueBitmap PixelBitmap(int width, int height, DWORD** pixels) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw std::runtime_error("cannot make a picture");
  *pixels = static_cast<DWORD*>(bits);
  return bitmap;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

}  // namespace

// The strip is turned once into pixels with alpha: opaque pixels keep their
// colour, transparent ones are all zero, which is also their premultiplied
// form. Drawing a picture is then one blend, with no mask made each time.
ImageStrip::ImageStrip(const wchar_t* resourceName, int imageWidth, int imageHeight,
                       COLORREF transparent)
    : width_(imageWidth), height_(imageHeight) {
  const UniqueBitmap loaded = LoadBitmapResource(resourceName);
  const SIZE size = BitmapSize(loaded.Get());
  if (size.cy != imageHeight || imageWidth <= 0 || size.cx % imageWidth != 0) {
    throw std::runtime_error("picture strip of the wrong size");
  }
  count_ = size.cx / imageWidth;
  DWORD* pixels = nullptr;
  strip_ = MemoryCanvas(nullptr, PixelBitmap(size.cx, size.cy, &pixels));
  {
    const UniqueDc source(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(source.Get(), loaded.Get());
    ::BitBlt(strip_.Dc(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
  }
  ::GdiFlush();
  const DWORD key =
      (GetRValue(transparent) << 16) | (GetGValue(transparent) << 8) | GetBValue(transparent);
  std::for_each(pixels, pixels + size.cx * size.cy, [key](DWORD& pixel) {
    const DWORD colour = pixel & 0xFFFFFFu;
    pixel = colour == key ? 0 : 0xFF000000u | colour;
  });
  pixels_ = pixels;
}

UniqueBitmap ImageStrip::AlphaBitmap(int index) const {
  DWORD* pixels = nullptr;
  UniqueBitmap bitmap = PixelBitmap(width_, height_, &pixels);
  const int stride = width_ * count_;
  for (int y = 0; y < height_; ++y) {
    const DWORD* row = pixels_ + y * stride + index * width_;
    std::copy(row, row + width_, pixels + y * width_);
  }
  return bitmap;
}

void ImageStrip::Draw(HDC dc, int index, int x, int y) const {
  constexpr BLENDFUNCTION kOver{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::GdiAlphaBlend(dc, x, y, width_, height_, strip_.Dc(), index * width_, 0, width_, height_,
                  kOver);
}

}  // namespace toolkit
