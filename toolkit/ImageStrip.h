// A row of equally wide pictures in one bitmap resource, with one colour
// that stands for "transparent" (like an image list with a mask colour).
#pragma once

#include <windows.h>

#include "toolkit/MemoryCanvas.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

class ImageStrip {
 public:
  // The resource's width must be a whole number of images of this size.
  ImageStrip(const wchar_t* resourceName, int imageWidth, int imageHeight,
             COLORREF transparent = RGB(255, 0, 255));

  int Count() const { return count_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // One picture as a 32-bit bitmap whose transparent pixels have alpha 0,
  // as menus take them.
  UniqueBitmap AlphaBitmap(int index) const;
  // Draws one picture, leaving the transparent pixels as they are.
  void Draw(HDC dc, int index, int x, int y) const;

 private:
  // The whole strip with alpha, kept selected: rows of a long list each
  // draw one picture.
  MemoryCanvas strip_;
  const DWORD* pixels_ = nullptr;
  int width_;
  int height_;
  int count_ = 0;
};

}  // namespace toolkit
