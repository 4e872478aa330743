#include "toolkit/PictureFile.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "toolkit/FileError.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {

// What follows the last dot of the file name; empty without one.
std::wstring ExtensionOf(const std::wstring& path) {
  const size_t nameStart = path.find_last_of(L"\\/");
  const size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || (nameStart != std::wstring::npos && dot < nameStart)) return {};
  return path.substr(dot + 1);
}

Graphic LoadBitmapFile(const std::wstring& path) {
  UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                        LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap) throw std::runtime_error("not a bitmap file");
  return Graphic(std::move(bitmap));
}

// The icon's first image at its own size.
Graphic LoadIconFile(const std::wstring& path) {
  UniqueIcon icon(
      static_cast<HICON>(::LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
  if (!icon) throw std::runtime_error("not an icon file");
  return Graphic(std::move(icon));
}

Graphic EnhancedMetafileOf(const std::vector<std::uint8_t>& bytes) {
  UniqueEnhMetafile metafile(::SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data()));
  if (!metafile) throw std::runtime_error("not an enhanced metafile");
  return Graphic(std::move(metafile));
}

}  // namespace

// The kind is known before the file is opened; the whole file is read
// first, so a file that cannot be opened is reported as such whatever its
// kind, and the metafiles are made from the bytes read.
Graphic LoadPictureFile(const std::wstring& path) {
  const std::wstring extension = ExtensionOf(path);
  const std::wstring kind = UpperCase(extension);
  if (kind != L"BMP" && kind != L"ICO" && kind != L"WMF" && kind != L"EMF") {
    throw FileError("拡張子 .%s の画像形式は処理できません", extension);
  }
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
  if (kind == L"BMP") return LoadBitmapFile(path);
  if (kind == L"ICO") return LoadIconFile(path);
  if (kind == L"WMF") return Graphic(Metafile::FromPlaceableBytes(bytes));
  return EnhancedMetafileOf(bytes);
}

}  // namespace toolkit
