// Small solid red pictures of every kind a picture box shows, as the bytes
// of their files, for tests of reading and drawing them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

inline constexpr COLORREF kPictureRed = RGB(255, 0, 0);

// A 32-bit bitmap file (.bmp) of the size.
std::vector<std::uint8_t> RedBitmapFile(int width, int height);
// An icon file (.ico) with one opaque 32-bit image of the size.
std::vector<std::uint8_t> RedIconFile(int width, int height);
// A placeable metafile (.wmf) that fills its whole bounding box.
std::vector<std::uint8_t> RedPlaceableMetafile(const RECT& box, std::uint16_t unitsPerInch = 1440);
// An enhanced metafile (.emf) recorded for the screen, filling a picture of
// the size in screen pixels.
void WriteRedEnhancedMetafile(const std::wstring& path, int width, int height);

}  // namespace testing_support
