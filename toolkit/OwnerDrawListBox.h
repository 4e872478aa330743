// A list box whose owner draws every row, all rows of one height, from data
// of its own: the list keeps only the number of rows, so a change of any
// size costs one count and a repaint. It fills the space below the last row
// with a colour of its own, has a plain single-line border and no input
// method, so that typed keys arrive as plain characters.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
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

  // The number of rows. A selection beyond the new last row is cleared.
  void SetCount(int count);
  // Redraws the rows from `first` down and the space below them.
  void InvalidateFrom(int first);

  // The rows have no texts to add, insert, delete or read.
  void Add(std::string_view) = delete;
  void Insert(int, std::string_view) = delete;
  void Delete(int) = delete;
  std::string Item(int) const = delete;

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
  int TopIndex() const;
  void PaintRows();
  void TypeCharacter(wchar_t character);
  void EraseBackground(HDC dc);

  UniqueBrush background_;
};

}  // namespace toolkit
