// The editor's own push button: a capsule (a rectangle with half-circle
// ends) with a two-tone bevel and a centred caption with a one-pixel halo.
// It takes the input focus as soon as the pointer rests over it and shows the
// focus by a thicker bevel and a larger caption, so it reacts to hovering
// like a link. A press swaps the bevel colours; releasing over the button,
// or Space or Enter while it has the focus, clicks it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/Control.h"

class TIButton : public toolkit::Control {
 public:
  TIButton();

  // A non-empty text replaces the caption; an empty one keeps it.
  void Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) override;

  void SetCaption(std::string_view caption);
  const std::string& Caption() const { return caption_; }
  void SetColor(COLORREF color);
  COLORREF Color() const { return color_; }
  void SetBorderShadow(COLORREF color);
  COLORREF BorderShadow() const { return borderShadow_; }
  void SetBorderHighlight(COLORREF color);
  COLORREF BorderHighlight() const { return borderHighlight_; }
  void SetFontShadow(COLORREF color);
  COLORREF FontShadow() const { return fontShadow_; }
  void SetBorderWidth(int width);
  int BorderWidth() const { return borderWidth_; }
  void SetFontColor(COLORREF color);
  COLORREF FontColor() const { return fontColor_; }
  void SetFontBold(bool bold);
  bool FontBold() const { return fontBold_; }
  // Whether Tab stops at the button; on by default.
  void SetTabStop(bool tabStop);
  bool Pressed() const { return pressed_; }

  void Click();
  std::function<void()> OnClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MouseDown();
  void MouseUp(int x, int y);
  void MouseMove(int x, int y);
  bool KeyDown(WPARAM key, LPARAM flags);
  LRESULT DialogCode(LPARAM message);
  void TakeFont(HFONT font, bool redraw);
  void Refresh();

  void DrawNow();
  void OnPaint(HDC target) override;
  void Render(HDC dc, int width, int height);
  void PaintParentBackground(HDC dc, int width, int height) const;
  void DrawCaption(HDC dc, int width, int height);
  toolkit::UniqueFont MakeFont(int height, bool bold) const;

  std::string caption_ = "iButton";
  COLORREF color_;
  COLORREF borderShadow_;
  COLORREF borderHighlight_;
  COLORREF fontShadow_;
  COLORREF fontColor_;
  int borderWidth_ = 2;
  bool fontBold_ = false;
  bool tabStop_ = true;
  bool pressed_ = false;
  // Face, character set and style of the caption; height and weight are set
  // for each drawing. The font the form hands over is kept for WM_GETFONT.
  LOGFONTW font_{};
  HFONT givenFont_ = nullptr;
};
