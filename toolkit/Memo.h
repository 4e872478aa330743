// A multi-line edit with a vertical scroll bar, for showing a longer text
// such as a licence; lines too long for its width wrap. It keeps every key
// but Esc, which cancels the form as it does from any other control. Its text is the
// window text; its font is set with Window::SetFont.
#pragma once

#include <string_view>

#include "toolkit/Control.h"

namespace toolkit {

class Memo : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  // Before or after the window is made.
  void SetReadOnly(bool readOnly);
  // Shows the text as lines; its lines may end in CR LF, LF or a lone CR.
  void SetLines(std::string_view text);
  void Clear();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool readOnly_ = false;
};

}  // namespace toolkit
