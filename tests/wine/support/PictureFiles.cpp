#include "tests/wine/support/PictureFiles.h"

#include <cstring>

#include "toolkit/UniqueHandle.h"

namespace testing_support {

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename Value>
void Put(Bytes& bytes, const Value& value) {
  const size_t end = bytes.size();
  bytes.resize(end + sizeof value);
  std::memcpy(bytes.data() + end, &value, sizeof value);
}

// A bottom-up 32-bit picture of opaque red: its header, which for an icon
// gives twice the height (colour rows and mask rows), and its pixels.
void PutRedDib(Bytes& bytes, int width, int height, int headerHeight) {
  Put(bytes, BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, headerHeight, 1, 32});
  for (int i = 0; i < width * height; ++i) Put(bytes, RGB(0, 0, 0xFF) | 0xFF000000U);
}

}  // namespace

std::vector<std::uint8_t> RedBitmapFile(int width, int height) {
  constexpr DWORD kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  Bytes bytes;
  Put(bytes,
      BITMAPFILEHEADER{0x4D42, kHeaders + static_cast<DWORD>(4 * width * height), 0, 0, kHeaders});
  PutRedDib(bytes, width, height, height);
  return bytes;
}

// The directory (reserved, type 1, one entry) and its entry (width, height,
// colours, reserved, planes, bits, size, offset), then the image with a mask
// of zeros (every pixel shown), mask rows padded to four bytes.
std::vector<std::uint8_t> RedIconFile(int width, int height) {
  const int maskSize = (width + 31) / 32 * 4 * height;
  Bytes bytes;
  for (const WORD word : {WORD{0}, WORD{1}, WORD{1}}) Put(bytes, word);
  Put(bytes, static_cast<BYTE>(width));
  Put(bytes, static_cast<BYTE>(height));
  for (const WORD word : {WORD{0}, WORD{1}, WORD{32}}) Put(bytes, word);
  Put(bytes, static_cast<DWORD>(sizeof(BITMAPINFOHEADER) + 4 * width * height + maskSize));
  Put(bytes, DWORD{6 + 16});
  PutRedDib(bytes, width, height, 2 * height);
  bytes.resize(bytes.size() + static_cast<size_t>(maskSize), 0);
  return bytes;
}

// Key, handle, box, units per inch, reserved, checksum, then the records.
std::vector<std::uint8_t> RedPlaceableMetafile(const RECT& box, std::uint16_t unitsPerInch) {
  const toolkit::UniqueBrush red(::CreateSolidBrush(kPictureRed));
  const toolkit::UniquePen redPen(::CreatePen(PS_SOLID, 0, kPictureRed));
  HDC recorder = ::CreateMetaFileW(nullptr);
  ::SelectObject(recorder, red.Get());
  ::SelectObject(recorder, redPen.Get());
  ::Rectangle(recorder, box.left, box.top, box.right, box.bottom);
  const toolkit::UniqueMetafile recorded(::CloseMetaFile(recorder));
  const UINT size = ::GetMetaFileBitsEx(recorded.Get(), 0, nullptr);
  Bytes records(size);
  ::GetMetaFileBitsEx(recorded.Get(), size, records.data());

  Bytes bytes;
  for (const std::uint16_t word :
       {std::uint16_t{0xCDD7}, std::uint16_t{0x9AC6}, std::uint16_t{0},
        static_cast<std::uint16_t>(box.left), static_cast<std::uint16_t>(box.top),
        static_cast<std::uint16_t>(box.right), static_cast<std::uint16_t>(box.bottom), unitsPerInch,
        std::uint16_t{0}, std::uint16_t{0}}) {
    Put(bytes, word);
  }
  std::uint16_t checksum = 0;
  for (size_t i = 0; i < bytes.size(); i += 2) {
    checksum ^= static_cast<std::uint16_t>(bytes[i] | bytes[i + 1] << 8);
  }
  Put(bytes, checksum);
  bytes.insert(bytes.end(), records.begin(), records.end());
  return bytes;
}

// The picture frame is given in hundredths of a millimetre, converted from
// pixels with the screen's own ratio, as a reader converts it back.
void WriteRedEnhancedMetafile(const std::wstring& path, int width, int height) {
  const toolkit::WindowDc screen(nullptr);
  const auto hundredthsOfMm = [&screen](int pixels, int millimetres, int resolution) {
    return ::MulDiv(pixels, 100 * ::GetDeviceCaps(screen.Get(), millimetres),
                    ::GetDeviceCaps(screen.Get(), resolution));
  };
  const RECT frame{0, 0, hundredthsOfMm(width, HORZSIZE, HORZRES),
                   hundredthsOfMm(height, VERTSIZE, VERTRES)};
  HDC recorder = ::CreateEnhMetaFileW(screen.Get(), path.c_str(), &frame, nullptr);
  const toolkit::UniqueBrush red(::CreateSolidBrush(kPictureRed));
  const RECT whole{0, 0, width, height};
  ::FillRect(recorder, &whole, red.Get());
  const toolkit::UniqueEnhMetafile recorded(::CloseEnhMetaFile(recorder));
}

}  // namespace testing_support
