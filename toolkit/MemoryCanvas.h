// A bitmap selected into a memory device context of its own for as long as
// both live. Pictures that are drawn or copied often need no device context
// made and the bitmap selected each time.
#pragma once

#include <windows.h>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

class MemoryCanvas {
 public:
  MemoryCanvas() = default;
  // A canvas of the bitmap, in a context compatible with `reference` (the
  // screen when null).
  MemoryCanvas(HDC reference, UniqueBitmap bitmap);
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  MemoryCanvas(MemoryCanvas&& other) noexcept;
  MemoryCanvas& operator=(MemoryCanvas&& other) noexcept;
  ~MemoryCanvas();

  explicit operator bool() const { return static_cast<bool>(dc_); }
  HDC Dc() const { return dc_.Get(); }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  SIZE Size() const;

 private:
  void ReleaseBitmap();

  // The bitmap outlives the context it is selected into.
  UniqueBitmap bitmap_;
  UniqueDc dc_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace toolkit
