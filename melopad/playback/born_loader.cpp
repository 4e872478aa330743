#include "melopad/playback/born_loader.h"

#include "toolkit/Image.h"

using toolkit::SelectedObject;
using toolkit::UniqueBitmap;
using toolkit::UniqueDc;
using toolkit::WindowDc;

namespace {

constexpr int kFrameWidth = 65;
constexpr int kFrameHeight = 130;
// Where a frame stands in the window: this far from the right edge and from the top.
constexpr int kRightMargin = 5;
constexpr int kTopMargin = 10;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Selects and realises a palette in a device context for one scope.
class SelectedPalette {
 public:
  SelectedPalette(HDC dc, HPALETTE palette)
      : dc_(dc), previous_(::SelectPalette(dc, palette, FALSE)) {
    ::RealizePalette(dc);
  }
  SelectedPalette(const SelectedPalette&) = delete;
  SelectedPalette& operator=(const SelectedPalette&) = delete;
  ~SelectedPalette() {
    if (previous_ != nullptr) ::SelectPalette(dc_, previous_, FALSE);
  }

 private:
  HDC dc_;
  HPALETTE previous_;
};

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

COLORREF PixelAt(HBITMAP bitmap, int x, int y) {
  const UniqueDc dc(::CreateCompatibleDC(nullptr));
  const SelectedObject selected(dc.Get(), bitmap);
  return ::GetPixel(dc.Get(), x, y);
}

toolkit::UniquePalette DesktopHalftonePalette() {
  const WindowDc desktop(::GetDesktopWindow());
  return toolkit::UniquePalette(::CreateHalftonePalette(desktop.Get()));
}

// The picture drawn through the palette onto a bitmap of the display's
// format; null when there is no memory for one.
UniqueBitmap DeviceDependentCopy(HBITMAP picture, HPALETTE palette) {
  const SIZE size = BitmapSize(picture);
  const WindowDc screen(nullptr);
  UniqueBitmap copy(::CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
  if (!copy) return copy;
  const UniqueDc copyDc(::CreateCompatibleDC(screen.Get()));
  const UniqueDc pictureDc(::CreateCompatibleDC(screen.Get()));
  const SelectedObject copySelected(copyDc.Get(), copy.Get());
  const SelectedPalette realised(copyDc.Get(), palette);
  const SelectedObject pictureSelected(pictureDc.Get(), picture);
  ::BitBlt(copyDc.Get(), 0, 0, size.cx, size.cy, pictureDc.Get(), 0, 0, SRCCOPY);
  return copy;
}

// A monochrome bitmap, white where the picture has the colour and black
// elsewhere: copying colour to monochrome turns the source's background
// colour into white and every other colour into black.
UniqueBitmap MonochromeMask(HBITMAP picture, COLORREF transparent) {
  const SIZE size = BitmapSize(picture);
  UniqueBitmap mask(::CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  const UniqueDc maskDc(::CreateCompatibleDC(nullptr));
  const UniqueDc pictureDc(::CreateCompatibleDC(nullptr));
  const SelectedObject maskSelected(maskDc.Get(), mask.Get());
  const SelectedObject pictureSelected(pictureDc.Get(), picture);
  ::SetBkColor(pictureDc.Get(), transparent);
  ::BitBlt(maskDc.Get(), 0, 0, size.cx, size.cy, pictureDc.Get(), 0, 0, SRCCOPY);
  return mask;
}

}  // namespace

born_loader::born_loader()
    : Frames{{0, 0, kFrameWidth, kFrameHeight}, {kFrameWidth, 0, 2 * kFrameWidth, kFrameHeight}},
      Sheet(toolkit::LoadBitmapResource(L"BORN")),
      HalftonePalette(DesktopHalftonePalette()),
      TransparentColor(PixelAt(Sheet.Get(), 0, 0)) {}

void born_loader::Prepare() {
  if (UniqueBitmap copy = DeviceDependentCopy(Sheet.Get(), HalftonePalette.Get())) {
    Sheet = std::move(copy);
  }
  if (!Mask) Mask = MonochromeMask(Sheet.Get(), TransparentColor);
  const RECT& first = Frames.front();
  const WindowDc screen(nullptr);
  FrameBuffer.Reset(
      ::CreateCompatibleBitmap(screen.Get(), first.right - first.left, first.bottom - first.top));
}

// The buffer is cleared to the window's white. Source AND NOT destination
// with the mask then leaves black where the figure is (mask black) and the
// buffer's inverse where the sheet is transparent (mask white); XOR with the
// sheet puts the figure's pixels into the black and, since the transparent
// colour is white, turns the inverse back into the buffer's own pixels. On
// the white buffer that is exactly the frame.
void born_loader::DrawFrame(HDC canvas, int canvasWidth, int k) {
  if (!FrameBuffer || !Mask) return;
  const RECT& frame = Frames.at(static_cast<size_t>(k));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const SIZE buffer = BitmapSize(FrameBuffer.Get());
  const UniqueDc bufferDc(::CreateCompatibleDC(canvas));
  const UniqueDc sourceDc(::CreateCompatibleDC(canvas));
  const SelectedObject bufferSelected(bufferDc.Get(), FrameBuffer.Get());
  ::PatBlt(bufferDc.Get(), 0, 0, buffer.cx, buffer.cy, WHITENESS);
  // A monochrome source takes these colours for its black and white bits.
  ::SetTextColor(bufferDc.Get(), kBlack);
  ::SetBkColor(bufferDc.Get(), kWhite);
  {
    const SelectedObject mask(sourceDc.Get(), Mask.Get());
    ::BitBlt(bufferDc.Get(), 0, 0, width, height, sourceDc.Get(), frame.left, frame.top, SRCERASE);
  }
  {
    const SelectedObject sheet(sourceDc.Get(), Sheet.Get());
    ::BitBlt(bufferDc.Get(), 0, 0, width, height, sourceDc.Get(), frame.left, frame.top, SRCINVERT);
  }
  ::BitBlt(canvas, canvasWidth - buffer.cx - kRightMargin, kTopMargin, buffer.cx, buffer.cy,
           bufferDc.Get(), 0, 0, SRCCOPY);
}
