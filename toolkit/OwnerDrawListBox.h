// A list box whose owner draws every row, all rows of one height. It keeps
// the rows' texts, fills the space below the last row with a colour of its
// own, has a plain single-line border and no input method, so that typed
// keys arrive as plain characters.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "toolkit/Control.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

class OwnerDrawListBox : public ListBox {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;

  // The colour below the last row; the system's window colour until set.
  void SetColor(COLORREF color);
  int ItemHeight() const;

  // Draws one row (or, with an item number of -1, the focus of an empty
  // list) into the structure's device context.
  std::function<void(const DRAWITEMSTRUCT&)> OnPaintItem;
  // A typed character that is one Shift-JIS byte; a two-byte character is
  // dropped. The list's own handling of the character does not follow.
  std::function<void(char)> OnKeyPress;
  // A key pressed (its virtual-key code), before the list's own handling.
  std::function<void(WPARAM)> OnKeyDown;

 protected:
  DWORD ListStyle() const override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void TypeCharacter(wchar_t character);
  void EraseBackground(HDC dc);

  UniqueBrush background_;
};

}  // namespace toolkit
