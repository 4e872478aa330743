// A picture control for a picture of any kind (see Graphic): scaled to fill
// the control when stretched, otherwise at its own size, centred or at the
// top left corner. Stretched and centred unless set otherwise.
#pragma once

#include <optional>

#include "toolkit/Graphic.h"
#include "toolkit/PictureControl.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

class PictureBox : public PictureControl {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  void SetPicture(Graphic picture);
  // A bitmap, such as a resource of the program (LoadBitmapResource).
  void SetPicture(UniqueBitmap bitmap);
  void ClearPicture();
  const std::optional<Graphic>& Picture() const { return picture_; }

  // Before or after the window is made.
  void SetStretch(bool stretch);
  void SetCenter(bool center);
  bool Stretch() const { return stretch_; }
  bool Center() const { return center_; }

 private:
  void OnPaint(HDC dc) override;
  RECT Target() const;
  void Refresh();

  std::optional<Graphic> picture_;
  bool stretch_ = true;
  bool center_ = true;
};

}  // namespace toolkit
