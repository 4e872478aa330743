#include "toolkit/Graphic.h"

#include <utility>

namespace toolkit {

namespace {

template <typename... Kinds>
struct Overloaded : Kinds... {
  using Kinds::operator()...;
};
template <typename... Kinds>
Overloaded(Kinds...) -> Overloaded<Kinds...>;

int ScreenPixelsPerInch() {
  const WindowDc screen(nullptr);
  return ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

SIZE SizeOf(const UniqueBitmap& bitmap) {
  BITMAP info{};
  ::GetObjectW(bitmap.Get(), sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// An icon's size is its mask's width; the mask of a two-colour icon holds
// the AND and the XOR halves one above the other.
SIZE SizeOf(const UniqueIcon& icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon.Get(), &info)) return {0, 0};
  const UniqueBitmap mask(info.hbmMask);
  const UniqueBitmap colour(info.hbmColor);
  const SIZE maskSize = SizeOf(mask);
  return {maskSize.cx, colour ? maskSize.cy : maskSize.cy / 2};
}

// The bounding box in its units per inch, taken to the screen's pixels.
SIZE SizeOf(const Metafile& metafile) {
  const RECT& box = metafile.Bounds();
  const int perInch = metafile.UnitsPerInch() > 0 ? metafile.UnitsPerInch() : 1440;
  const int screen = ScreenPixelsPerInch();
  return {::MulDiv(box.right - box.left, screen, perInch),
          ::MulDiv(box.bottom - box.top, screen, perInch)};
}

// The picture frame in hundredths of a millimetre, taken to pixels of the
// device it was recorded for.
SIZE SizeOf(const UniqueEnhMetafile& metafile) {
  ENHMETAHEADER header{};
  ::GetEnhMetaFileHeader(metafile.Get(), sizeof header, &header);
  const RECTL& frame = header.rclFrame;
  const int widthMm100 = header.szlMillimeters.cx * 100;
  const int heightMm100 = header.szlMillimeters.cy * 100;
  if (widthMm100 <= 0 || heightMm100 <= 0) return {0, 0};
  return {::MulDiv(frame.right - frame.left, header.szlDevice.cx, widthMm100),
          ::MulDiv(frame.bottom - frame.top, header.szlDevice.cy, heightMm100)};
}

// A two-colour bitmap takes black and white from the text colours.
void DrawBitmap(HDC dc, const RECT& target, const UniqueBitmap& bitmap) {
  const SIZE size = SizeOf(bitmap);
  const UniqueDc source(::CreateCompatibleDC(dc));
  const SelectedObject selected(source.Get(), bitmap.Get());
  const int saved = ::SaveDC(dc);
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
               source.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
  ::RestoreDC(dc, saved);
}

}  // namespace

Graphic::Graphic(UniqueBitmap bitmap) : picture_(std::move(bitmap)) {}
Graphic::Graphic(UniqueIcon icon) : picture_(std::move(icon)) {}
Graphic::Graphic(Metafile metafile) : picture_(std::move(metafile)) {}
Graphic::Graphic(UniqueEnhMetafile metafile) : picture_(std::move(metafile)) {}

SIZE Graphic::Size() const {
  return std::visit([](const auto& picture) { return SizeOf(picture); }, picture_);
}

void Graphic::Draw(HDC dc, const RECT& target) const {
  std::visit(Overloaded{
                 [&](const UniqueBitmap& bitmap) { DrawBitmap(dc, target, bitmap); },
                 [&](const UniqueIcon& icon) {
                   ::DrawIconEx(dc, target.left, target.top, icon.Get(), target.right - target.left,
                                target.bottom - target.top, 0, nullptr, DI_NORMAL);
                 },
                 [&](const Metafile& metafile) { metafile.Play(dc, target); },
                 [&](const UniqueEnhMetafile& metafile) {
                   ::PlayEnhMetaFile(dc, metafile.Get(), &target);
                 },
             },
             picture_);
}

}  // namespace toolkit
