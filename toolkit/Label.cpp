// The label: the system's static control for its text, font, frame and
// enabled state, drawing its text itself: Wine's static control breaks
// lines only at spaces, and Japanese text has none.
#include <string>

#include "toolkit/Control.h"
#include "toolkit/WrappedText.h"

namespace toolkit {

namespace {

// The same face and size as the font given, drawn bold.
UniqueFont BoldVariant(HFONT font) {
  LOGFONTW description{};
  HGDIOBJ base = font != nullptr ? font : ::GetStockObject(SYSTEM_FONT);
  ::GetObjectW(base, sizeof description, &description);
  description.lfWeight = FW_BOLD;
  return UniqueFont(::CreateFontIndirectW(&description));
}

}  // namespace

void Label::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateStandard(L"STATIC", sunken_ ? WS_EX_STATICEDGE : 0,
                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_OWNERDRAW, bounds, parent, text,
                 NextId(parent));
}

void Label::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  Refresh();
}

void Label::SetCentered(bool centered) {
  centered_ = centered;
  Refresh();
}

void Label::SetSunken(bool sunken) {
  sunken_ = sunken;
  ApplyFrame();
}

// A made window takes the frame and recomputes its client area.
void Label::ApplyFrame() {
  if (!HasHandle()) return;
  auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  exStyle = sunken_ ? exStyle | WS_EX_STATICEDGE : exStyle & ~static_cast<DWORD>(WS_EX_STATICEDGE);
  ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Invalidate();
}

void Label::SetShowAccelChar(bool show) {
  showAccelChar_ = show;
  Refresh();
}

void Label::SetBold(bool bold) {
  bold_ = bold;
  if (HasHandle()) UseFont(font_, true);
}

// The static gets the bold variant before the previous one is freed, so it
// never holds a deleted font.
void Label::UseFont(HFONT font, bool redraw) {
  font_ = font;
  UniqueFont bold = bold_ ? BoldVariant(font) : UniqueFont();
  CallDefault(WM_SETFONT, reinterpret_cast<WPARAM>(bold ? bold.Get() : font), redraw);
  boldFont_ = std::move(bold);
}

void Label::SetColor(COLORREF color) {
  color_ = color;
  background_.Reset(::CreateSolidBrush(color));
  Refresh();
}

void Label::SetFontColor(COLORREF color) {
  fontColor_ = color;
  Refresh();
}

void Label::Refresh() {
  if (HasHandle()) Invalidate();
}

// A new text, state or width is a new picture of the whole label: its lines
// may break elsewhere.
LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      UseFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
      return 0;
    case WM_GETDLGCODE:
      // Only a label that shows its accelerator is one to the dialog
      // navigation; another's "&" is data.
      return showAccelChar_ ? DLGC_STATIC : 0;
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SIZE: {
      const LRESULT result = Control::HandleMessage(message, wParam, lParam);
      Invalidate();
      return result;
    }
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

// The parent is asked for the colours, as it is for any static control;
// the label's own colours override its answer.
HBRUSH Label::Background(HDC dc) {
  auto parentBrush = reinterpret_cast<HBRUSH>(
      ::SendMessageW(::GetParent(Handle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Handle())));
  if (fontColor_) ::SetTextColor(dc, *fontColor_);
  if (color_) return background_.Get();
  return parentBrush != nullptr ? parentBrush : ::GetSysColorBrush(COLOR_BTNFACE);
}

// Greyed when disabled, whatever the colours, as the system's static draws.
bool Label::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  ::FillRect(dc, &area, Background(dc));
  if (!Enabled()) ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
  const SelectedObject selected(dc, font != nullptr ? font : ::GetStockObject(SYSTEM_FONT));
  const std::wstring text = WideText();
  const std::wstring lines =
      wordWrap_ ? WrappedText(dc, text, area.right - area.left) : UnwrappedText(text);
  ::SetBkMode(dc, TRANSPARENT);
  ::DrawTextW(
      dc, lines.c_str(), static_cast<int>(lines.size()), &area,
      (showAccelChar_ ? 0 : DT_NOPREFIX) | DT_EXPANDTABS | (centered_ ? DT_CENTER : DT_LEFT));
  return true;
}

}  // namespace toolkit
