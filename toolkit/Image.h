// A picture drawn at the top left corner of its place, at its own size.
#pragma once

#include "toolkit/PictureControl.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

class Image : public PictureControl {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  void SetPicture(UniqueBitmap picture);
  HBITMAP Picture() const { return picture_.Get(); }

 private:
  void OnPaint(HDC dc) override;
  UniqueBitmap picture_;
};

// A bitmap resource of the running program; throws when there is none.
UniqueBitmap LoadBitmapResource(const wchar_t* name);

}  // namespace toolkit
