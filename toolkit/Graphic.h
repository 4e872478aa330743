// A picture of any of the kinds a picture box shows: a bitmap, an icon, a
// Windows metafile or an enhanced metafile. It owns what it holds.
#pragma once

#include <windows.h>

#include <variant>

#include "toolkit/Metafile.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

class Graphic {
 public:
  explicit Graphic(UniqueBitmap bitmap);
  explicit Graphic(UniqueIcon icon);
  explicit Graphic(Metafile metafile);
  explicit Graphic(UniqueEnhMetafile metafile);

  // Its own size in screen pixels.
  SIZE Size() const;
  // Draws the whole picture scaled onto the target, in the logical
  // coordinates of the device context.
  void Draw(HDC dc, const RECT& target) const;

 private:
  std::variant<UniqueBitmap, UniqueIcon, Metafile, UniqueEnhMetafile> picture_;
};

}  // namespace toolkit
