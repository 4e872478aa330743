// Controls: child windows that a form places from its layout table.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace toolkit {

class Control : public Window {
 public:
  virtual void Create(HWND parent, const Rect& bounds, std::string_view text) = 0;
  int Id() const;

 protected:
  Control() = default;
  static int NextId(HWND parent);
};

enum class Bevel { None, Lowered, Raised };

// A container drawn like a classic panel: from its edge inwards an optional
// outer bevel, a border of the face colour, an optional inner bevel, and the
// window text as a caption centred in what is left.
class Panel : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  void SetBevelOuter(Bevel bevel);
  void SetBevelInner(Bevel bevel);
  void SetBorderWidth(int width);
  // The fill inside the bevels and the caption's colour; the face colour and
  // the button text colour unless set.
  void SetColor(COLORREF color);
  void SetFontColor(COLORREF color);
  // The client area inside the bevels and the border: where the caption is
  // centred and where controls aligned to the panel's sides go.
  Rect ContentRect() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint(HDC dc) override;
  void DrawCaption(HDC dc, const RECT& area);
  void Refresh();

  Bevel bevelOuter_ = Bevel::None;
  Bevel bevelInner_ = Bevel::None;
  int borderWidth_ = 0;
  std::optional<COLORREF> color_;
  std::optional<COLORREF> fontColor_;
  // The font the form hands over; the form owns it.
  HFONT font_ = nullptr;
};

// A static text. Its look may be set before or after the window is made.
// Lines end at every line break ("\r", "\n" or both) and, with word wrap
// (on unless turned off), where the width is full, Japanese text included;
// without it they are cut at the right edge. A disabled label draws its
// text greyed, as a disabled static control does.
class Label : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  void SetWordWrap(bool wordWrap);
  void SetCentered(bool centered);
  void SetSunken(bool sunken);
  // Draws in a bold variant of the font it is given, which it owns.
  void SetBold(bool bold);
  // Shows "&X" in the text as an underlined X, and Alt+X in a form with
  // dialog navigation gives the keyboard to the control after the label, as
  // a dialog's static text does. Off for labels that show data, whose "&" is
  // a character like any other.
  void SetShowAccelChar(bool show);
  // The background and the text colour; as the parent gives them unless set.
  void SetColor(COLORREF color);
  void SetFontColor(COLORREF color);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void ApplyFrame();
  void UseFont(HFONT font, bool redraw);
  HBRUSH Background(HDC dc);
  void Refresh();

  bool wordWrap_ = true;
  bool centered_ = false;
  bool sunken_ = false;
  bool bold_ = false;
  bool showAccelChar_ = false;
  std::optional<COLORREF> color_;
  std::optional<COLORREF> fontColor_;
  UniqueBrush background_;
  // The font the form hands over, which the form owns, and the bold variant.
  HFONT font_ = nullptr;
  UniqueFont boldFont_;
};

class Edit : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  std::function<void()> OnChange;

 protected:
  void OnCommand(int notification) override;
};

class Button : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  // The default button is clicked by Enter, the cancel button by Escape,
  // in a form with dialog navigation. A disabled or hidden button is never
  // clicked, by the mouse or by a key.
  void SetDefault(bool isDefault) { default_ = isDefault; }
  void SetCancel(bool isCancel) { cancel_ = isCancel; }
  // A non-zero modal result is handed to the form when the button is clicked.
  void SetModalResult(int result) { modalResult_ = result; }
  void Click();
  std::function<void()> OnClick;

 protected:
  void OnCommand(int notification) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

// A list of text lines; the programs' text is converted at each call.
class ListBox : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  void SetBorderless(bool borderless) { borderless_ = borderless; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

  int Count() const;
  std::string Item(int index) const;
  void Add(std::string_view item);
  void Insert(int index, std::string_view item);
  void Delete(int index);
  void Clear();
  // -1 when no line is selected.
  int ItemIndex() const;
  void SetItemIndex(int index);
  void SetItemHeight(int height);

  std::function<void()> OnSelectionChange;
  // An item double-clicked (the item is then the selected one).
  std::function<void()> OnDoubleClick;

 protected:
  virtual DWORD ListStyle() const;
  void OnCommand(int notification) override;

 private:
  bool borderless_ = false;
  bool tabStop_ = true;
};

}  // namespace toolkit
