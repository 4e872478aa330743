// The pixels of a drawing, taken into a 32-bit top-down DIB so that tests
// read exact colours: what a window prints, what is on screen, or what a
// drawing function puts into a memory device context.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "toolkit/UniqueHandle.h"

namespace testing_support {

class Picture {
 public:
  // Whatever `draw` paints into a memory context of this size, which starts white.
  Picture(int width, int height, const std::function<void(HDC)>& draw)
      : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    const toolkit::UniqueDc dc(::CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    const toolkit::UniqueBitmap bitmap(
        ::CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const toolkit::SelectedObject selected(dc.Get(), bitmap.Get());
    ::PatBlt(dc.Get(), 0, 0, width, height, WHITENESS);
    draw(dc.Get());
    ::GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    pixels_.assign(first, first + static_cast<size_t>(width) * static_cast<size_t>(height));
  }

  // What the window's client area looks like when it is asked to print itself.
  static Picture Printed(HWND window) {
    const RECT client = ClientOf(window);
    return Picture(client.right, client.bottom,
                   [window](HDC dc) { ::PrintWindow(window, dc, PW_CLIENTONLY); });
  }

  // What is on the window's client area now, without asking it to draw.
  static Picture OnScreen(HWND window) {
    const RECT client = ClientOf(window);
    return Picture(client.right, client.bottom, [window, client](HDC dc) {
      const toolkit::WindowDc screen(window);
      ::BitBlt(dc, 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY);
    });
  }

  // What is on the window's client area now inside the area, frames of
  // child windows included.
  static Picture OnScreen(HWND window, const RECT& area) {
    return Picture(area.right - area.left, area.bottom - area.top, [window, area](HDC dc) {
      const toolkit::WindowDc screen(window);
      ::BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, screen.Get(), area.left,
               area.top, SRCCOPY);
    });
  }

  int Width() const { return width_; }
  int Height() const { return height_; }

  COLORREF At(int x, int y) const {
    const DWORD pixel = pixels_[static_cast<size_t>(y * width_ + x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }

  // Whether any pixel of the picture has the colour.
  bool Has(COLORREF color) const { return Has(color, {0, 0, width_, height_}); }

  // Whether any pixel inside the area (right and bottom excluded) has the colour.
  bool Has(COLORREF color, const RECT& area) const {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (At(x, y) == color) return true;
      }
    }
    return false;
  }

  // The smallest box holding every pixel of the colour; empty if none.
  RECT BoundsOf(COLORREF color) const {
    return BoundsWhere([color](COLORREF pixel) { return pixel == color; });
  }

  // The smallest box holding every pixel whose colour matches; empty if none.
  RECT BoundsWhere(const std::function<bool(COLORREF)>& matches) const {
    RECT bounds{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (!matches(At(x, y))) continue;
        bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                  std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
      }
    }
    return bounds;
  }

 private:
  static RECT ClientOf(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return client;
  }

  int width_;
  int height_;
  std::vector<DWORD> pixels_;
};

}  // namespace testing_support
