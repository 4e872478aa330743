// A Windows metafile picture, read from the Aldus placeable form: the
// metafile's records and the bounding box its 22-byte header gives them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

class Metafile {
 public:
  // Throws std::runtime_error when the bytes are not a placeable metafile.
  static Metafile FromPlaceableBytes(std::span<const std::uint8_t> bytes);
  // An RCDATA resource of the running program; throws when there is none.
  static Metafile FromResource(const wchar_t* name);

  Metafile(Metafile&&) noexcept = default;
  Metafile& operator=(Metafile&&) noexcept = default;

  // A picture of its own with the same records and bounds.
  Metafile Copy() const;
  HMETAFILE Handle() const { return handle_.Get(); }
  // The bounding box, in the picture's own units, and how many of those
  // make an inch.
  const RECT& Bounds() const { return bounds_; }
  int UnitsPerInch() const { return unitsPerInch_; }
  // Draws the whole picture stretched onto the target rectangle, given in
  // the logical coordinates of the device context.
  void Play(HDC dc, const RECT& target) const;

 private:
  Metafile(UniqueMetafile handle, const RECT& bounds, int unitsPerInch);

  UniqueMetafile handle_;
  RECT bounds_;
  int unitsPerInch_;
};

}  // namespace toolkit
