// The system's progress bar: a bar filled in proportion to a position
// within a range.
#pragma once

#include "toolkit/Control.h"

namespace toolkit {

class ProgressBar : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  void SetRange(int min, int max);
  int Min() const;
  int Max() const;
  // A position outside the range is taken as the nearer end.
  void SetPosition(int position);
  int Position() const;
};

}  // namespace toolkit
