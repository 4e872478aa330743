// The common ground of the picture controls: a child window of the toolkit's
// own class whose parts outside the picture show the parent's background.
#pragma once

#include <string_view>

#include "toolkit/Control.h"

namespace toolkit {

class PictureControl : public Control {
 protected:
  void CreatePictureWindow(const wchar_t* className, HWND parent, const Rect& bounds,
                           std::string_view text, UINT classStyle = CS_DBLCLKS);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace toolkit
