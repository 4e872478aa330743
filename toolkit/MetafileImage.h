// A picture control that stretches a metafile over its whole client area,
// so the picture grows and shrinks with the control.
#pragma once

#include <optional>

#include "toolkit/Metafile.h"
#include "toolkit/PictureControl.h"

namespace toolkit {

class MetafileImage : public PictureControl {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  // Keeps a copy of its own; the caller may free the picture it handed over.
  void SetPicture(const Metafile& picture);
  const std::optional<Metafile>& Picture() const { return picture_; }

 private:
  void OnPaint(HDC dc) override;
  std::optional<Metafile> picture_;
};

}  // namespace toolkit
