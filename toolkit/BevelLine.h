// An etched horizontal line, as a dialog's separator above its buttons: a
// shadow line with a highlight line below it, along the top of its place.
#pragma once

#include "toolkit/Control.h"

namespace toolkit {

class BevelLine : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
};

}  // namespace toolkit
