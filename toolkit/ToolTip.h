// The hints shown as tool tips when the pointer rests over a control.
#pragma once

#include <string_view>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

class ToolTip {
 public:
  // The tool tip window belongs to the given top-level window.
  void Create(HWND owner);
  // Shows the text as the control's hint.
  void Add(HWND control, std::string_view text);
  // The hint shown for the control, or an empty text.
  std::string Hint(HWND control) const;

 private:
  UniqueWindow window_;
};

}  // namespace toolkit
