#include "melopad/controls/IButton.h"

#include <windowsx.h>

#include <utility>

#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

constexpr wchar_t kIButtonClass[] = L"melopad.IButton";
constexpr char kDefaultFace[] = "ＭＳ Ｐゴシック";

// The halo: the caption drawn once at each diagonal neighbour of its place.
constexpr POINT kHaloOffsets[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// A brush and a pen of one colour, selected while a part of the capsule is
// filled. The outline is drawn in the fill colour, so no outline shows; with
// the null pen GDI would leave out the outline's pixels and every shape would
// come out a pixel short of its box on the right and bottom, or, for a pie
// wedge, all round.
class SolidFill {
 public:
  SolidFill(HDC dc, COLORREF color)
      : brush_(::CreateSolidBrush(color)),
        pen_(::CreatePen(PS_SOLID, 1, color)),
        selectedBrush_(dc, brush_.Get()),
        selectedPen_(dc, pen_.Get()) {}

  // Fills [left, right) x [top, bottom); nothing when the band is empty.
  void Box(HDC dc, int left, int top, int right, int bottom) const {
    const RECT box{left, top, right, bottom};
    ::FillRect(dc, &box, brush_.Get());
  }

 private:
  toolkit::UniqueBrush brush_;
  toolkit::UniquePen pen_;
  toolkit::SelectedObject selectedBrush_;
  toolkit::SelectedObject selectedPen_;
};

// Both end circles in one colour, under the wedges: where two wedges meet,
// GDI leaves a pixel here and there to neither of them, and those pixels
// would show the background through the ring.
void DrawEnds(HDC dc, int width, int height, COLORREF color) {
  const SolidFill fill(dc, color);
  ::Ellipse(dc, 0, 0, height, height);
  ::Ellipse(dc, width - height, 0, width, height);
}

// The light half of a raised bevel: the left end from the top over the left
// side to the lower-left diagonal, the top band, and the right end from the
// upper-right diagonal to the top. Pie wedges run counter-clockwise from the
// first radial point to the second. The band also covers the right end's
// centre column, which the right wedges, ending on it, leave out.
void DrawUpperBevel(HDC dc, int width, int height, int border, COLORREF color) {
  const SolidFill fill(dc, color);
  ::Pie(dc, 0, 0, height, height, height / 2, 0, 0, height);
  ::Pie(dc, width - height, 0, width, height, width, 0, width - height / 2, 0);
  fill.Box(dc, height / 2, 0, width - height / 2 + 1, border);
}

// The dark half: the left end from the lower-left diagonal to the bottom,
// the bottom band, and the right end from the bottom over the right side to
// the upper-right diagonal.
void DrawLowerBevel(HDC dc, int width, int height, int border, COLORREF color) {
  const SolidFill fill(dc, color);
  ::Pie(dc, 0, 0, height, height, 0, height, height / 2, height);
  ::Pie(dc, width - height, 0, width, height, width - height / 2, height, width, 0);
  fill.Box(dc, height / 2, height - border, width - height / 2 + 1, height);
}

// The capsule shrunk by the border width on every side; what the bevel
// halves keep of their shape is a ring of that width.
void DrawInside(HDC dc, int width, int height, int border, COLORREF color) {
  const SolidFill fill(dc, color);
  ::Ellipse(dc, border, border, height - border, height - border);
  ::Ellipse(dc, width - height + border, border, width - border, height - border);
  fill.Box(dc, height / 2, border, width - height / 2, height - border);
}

}  // namespace

TIButton::TIButton()
    : color_(::GetSysColor(COLOR_BTNFACE)),
      borderShadow_(::GetSysColor(COLOR_BTNSHADOW)),
      borderHighlight_(::GetSysColor(COLOR_BTNHIGHLIGHT)),
      fontShadow_(::GetSysColor(COLOR_GRAYTEXT)),
      fontColor_(::GetSysColor(COLOR_WINDOWTEXT)) {
  font_.lfCharSet = SHIFTJIS_CHARSET;
  toolkit::Widen(kDefaultFace).copy(font_.lfFaceName, LF_FACESIZE - 1);
}

void TIButton::Create(HWND parent, const toolkit::Rect& bounds, std::string_view text) {
  if (!text.empty()) caption_ = text;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (tabStop_ ? WS_TABSTOP : 0);
  // No CS_DBLCLKS: two quick clicks are two clicks of a button.
  CreateOwnClass(kIButtonClass, WS_EX_NOPARENTNOTIFY, style, bounds, parent, caption_,
                 CS_HREDRAW | CS_VREDRAW);
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextId(parent));
}

// The caption is also the window's text; WM_SETTEXT stores it and draws.
void TIButton::SetCaption(std::string_view caption) {
  if (HasHandle()) {
    SetText(caption);
  } else {
    caption_ = caption;
  }
}

void TIButton::SetColor(COLORREF color) {
  color_ = color;
  Refresh();
}

void TIButton::SetBorderShadow(COLORREF color) {
  borderShadow_ = color;
  Refresh();
}

void TIButton::SetBorderHighlight(COLORREF color) {
  borderHighlight_ = color;
  Refresh();
}

void TIButton::SetFontShadow(COLORREF color) {
  fontShadow_ = color;
  Refresh();
}

void TIButton::SetBorderWidth(int width) {
  borderWidth_ = width;
  Refresh();
}

void TIButton::SetFontColor(COLORREF color) {
  fontColor_ = color;
  Refresh();
}

void TIButton::SetFontBold(bool bold) {
  fontBold_ = bold;
  Refresh();
}

void TIButton::SetTabStop(bool tabStop) {
  tabStop_ = tabStop;
  if (!HasHandle()) return;
  LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  ::SetWindowLongPtrW(Handle(), GWL_STYLE, style);
}

void TIButton::Click() {
  if (OnClick) OnClick();
}

// Properties may be set before the window exists; it is drawn when made.
void TIButton::Refresh() {
  if (HasHandle()) Invalidate();
}

LRESULT TIButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // Drawing covers every pixel, the corners included.
    case WM_LBUTTONDOWN:
      MouseDown();
      return 0;
    case WM_LBUTTONUP:
      MouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-press (a menu, a message box): no click.
      if (pressed_) {
        pressed_ = false;
        Invalidate();
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      Invalidate();  // Focus and enabled state change the look.
      return 0;
    case WM_KEYDOWN:
      if (KeyDown(wParam, lParam)) return 0;
      break;
    case WM_GETDLGCODE:
      return DialogCode(lParam);
    case WM_SETFONT:
      TakeFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(givenFont_);
    case WM_SETTEXT: {
      const LRESULT result = CallDefault(message, wParam, lParam);
      const auto* text = reinterpret_cast<const wchar_t*>(lParam);
      caption_ = toolkit::Narrow(text != nullptr ? text : L"");
      DrawNow();
      return result;
    }
    default:
      break;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

void TIButton::MouseDown() {
  pressed_ = true;
  ::SetCapture(Handle());
  Invalidate();
}

// A click is a press on the button released over it.
void TIButton::MouseUp(int x, int y) {
  const bool wasPressed = std::exchange(pressed_, false);
  if (::GetCapture() == Handle()) ::ReleaseCapture();
  Invalidate();
  const toolkit::Rect client = ClientRect();
  const bool over = x >= 0 && x < client.width && y >= 0 && y < client.height;
  // Last, because the handler may close the form and destroy the button.
  if (wasPressed && over) Click();
}

// The pointer resting inside the edge takes the focus, so the button lights
// up (thicker bevel, larger caption) like a link under the pointer.
void TIButton::MouseMove(int x, int y) {
  FocusWhenHovered(x, y);
}

// Space and Enter click the focused button, as they do a standard push
// button, so a user who tabs to it can use it; a held key clicks once.
bool TIButton::KeyDown(WPARAM key, LPARAM flags) {
  if (key != VK_SPACE && key != VK_RETURN) return false;
  const bool repeated = (flags & (LPARAM{1} << 30)) != 0;
  if (!repeated) Click();
  return true;
}

// Dialog navigation would send Enter to the form's default button; the
// focused image button asks for it instead.
LRESULT TIButton::DialogCode(LPARAM message) {
  const auto* msg = reinterpret_cast<const MSG*>(message);
  if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
    return DLGC_WANTMESSAGE;
  }
  return 0;
}

// The form's font gives the caption its face and character set; its height
// and weight are the button's own.
void TIButton::TakeFont(HFONT font, bool redraw) {
  givenFont_ = font;
  LOGFONTW given{};
  if (font != nullptr && ::GetObjectW(font, sizeof given, &given) != 0) font_ = given;
  if (redraw) Refresh();
}

// Draws into the window straight away instead of waiting for WM_PAINT.
void TIButton::DrawNow() {
  if (!HasHandle()) return;
  const toolkit::WindowDc dc(Handle());
  OnPaint(dc.Get());
}

// Everything is drawn into a memory bitmap first and copied in one step, so
// the bevel and caption do not flicker as their layers are painted.
void TIButton::OnPaint(HDC target) {
  const toolkit::Rect client = ClientRect();
  if (client.width <= 0 || client.height <= 0) return;
  const toolkit::UniqueDc memory(::CreateCompatibleDC(target));
  const toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(target, client.width, client.height));
  if (!memory || !bitmap) {
    Render(target, client.width, client.height);  // Short of memory: flicker, but draw.
    return;
  }
  const toolkit::SelectedObject selected(memory.Get(), bitmap.Get());
  Render(memory.Get(), client.width, client.height);
  ::BitBlt(target, 0, 0, client.width, client.height, memory.Get(), 0, 0, SRCCOPY);
}

// The capsule: the bevel's light and dark halves (swapped while pressed,
// so the button looks sunken) over end circles in the dark colour, the
// inside over them, then the caption. The focus widens the bevel by one
// pixel.
void TIButton::Render(HDC dc, int width, int height) {
  PaintParentBackground(dc, width, height);
  const int border = borderWidth_ + (::GetFocus() == Handle() ? 1 : 0);
  const COLORREF upper = pressed_ ? borderShadow_ : borderHighlight_;
  const COLORREF lower = pressed_ ? borderHighlight_ : borderShadow_;
  DrawEnds(dc, width, height, lower);
  DrawUpperBevel(dc, width, height, border, upper);
  DrawLowerBevel(dc, width, height, border, lower);
  DrawInside(dc, width, height, border, color_);
  DrawCaption(dc, width, height);
}

// The corners outside the capsule show the parent's background: the parent
// erases into the bitmap, shifted so that its client area lines up.
void TIButton::PaintParentBackground(HDC dc, int width, int height) const {
  const RECT all{0, 0, width, height};
  ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
  EraseWithParentBackground(dc);
}

// The caption is centred. Enabled, it is 70 % of the height tall (75 % with
// the focus) and drawn four times in the font shadow colour around its place
// before the font colour, which gives it a one-pixel halo. Disabled, it is
// drawn once, not bold, in the font shadow colour.
void TIButton::DrawCaption(HDC dc, int width, int height) {
  const bool enabled = Enabled();
  // trunc(height * 0.75) and trunc(height * 0.7), in exact integer steps.
  const int fontHeight = enabled && ::GetFocus() == Handle() ? height * 3 / 4 : height * 7 / 10;
  const toolkit::UniqueFont font = MakeFont(fontHeight, enabled && fontBold_);
  const toolkit::SelectedObject selected(dc, font.Get());
  const std::wstring text = toolkit::Widen(caption_);
  const int length = static_cast<int>(text.size());
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
  const int x = width / 2 - extent.cx / 2;
  const int y = height / 2 - fontHeight / 2;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, fontShadow_);
  if (!enabled) {
    ::TextOutW(dc, x, y, text.c_str(), length);
    return;
  }
  for (const POINT& offset : kHaloOffsets) {
    ::TextOutW(dc, x + offset.x, y + offset.y, text.c_str(), length);
  }
  ::SetTextColor(dc, fontColor_);
  ::TextOutW(dc, x, y, text.c_str(), length);
}

// A negative height asks for the character height, leading left out, so the
// caption's letters fill the share of the button's height they are given.
toolkit::UniqueFont TIButton::MakeFont(int height, bool bold) const {
  LOGFONTW font = font_;
  font.lfHeight = -height;
  font.lfWidth = 0;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  return toolkit::UniqueFont(::CreateFontIndirectW(&font));
}
