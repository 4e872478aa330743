#include "toolkit/Control.h"

#include <algorithm>

#include "toolkit/Form.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr wchar_t kPanelClass[] = L"toolkit.Panel";

// A one-pixel bevel around the area, which then shrinks to inside it.
void DrawBevel(HDC dc, RECT& area, Bevel bevel) {
  if (bevel == Bevel::None) return;
  ::DrawEdge(dc, &area, bevel == Bevel::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
             BF_RECT | BF_ADJUST);
}

// True when the control and every panel it lies on are visible; whether
// the top-level window is shown does not matter.
bool ShownInItsWindow(HWND control) {
  for (HWND window = control; window != nullptr; window = ::GetParent(window)) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    if ((style & WS_CHILD) == 0) return true;
    if ((style & WS_VISIBLE) == 0) return false;
  }
  return true;
}

}  // namespace

// Child identifiers only need to differ between siblings: one above the
// highest in use, starting above the dialog identifiers (IDOK, IDCANCEL, ...).
int Control::NextId(HWND parent) {
  int highest = 1000;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    highest = std::max(highest, ::GetDlgCtrlID(child));
  }
  return highest + 1;
}

int Control::Id() const {
  return ::GetDlgCtrlID(Handle());
}

// The bevels and the caption follow the panel's edges: a panel whose size
// changes is drawn again whole, or its old edges would stay inside it.
void Panel::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateOwnClass(kPanelClass, WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, kChild | WS_CLIPCHILDREN,
                 bounds, parent, text, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextId(parent));
}

void Panel::SetBevelOuter(Bevel bevel) {
  bevelOuter_ = bevel;
  Refresh();
}

void Panel::SetBevelInner(Bevel bevel) {
  bevelInner_ = bevel;
  Refresh();
}

void Panel::SetBorderWidth(int width) {
  borderWidth_ = width;
  Refresh();
}

// The look may be set before the window exists; it is drawn when made.
void Panel::Refresh() {
  if (HasHandle()) Invalidate();
}

Rect Panel::ContentRect() const {
  const int inset =
      (bevelOuter_ != Bevel::None ? 1 : 0) + borderWidth_ + (bevelInner_ != Bevel::None ? 1 : 0);
  const Rect client = ClientRect();
  return {inset, inset, std::max(0, client.width - 2 * inset),
          std::max(0, client.height - 2 * inset)};
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      // The caption shows the text, so a new text is a new picture.
      const LRESULT result = CallDefault(message, wParam, lParam);
      Invalidate();
      return result;
    }
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0) Refresh();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    default:
      return Control::HandleMessage(message, wParam, lParam);
  }
}

// The background is the class brush's, erased before this is called.
void Panel::SetColor(COLORREF color) {
  color_ = color;
  Refresh();
}

void Panel::SetFontColor(COLORREF color) {
  fontColor_ = color;
  Refresh();
}

void Panel::OnPaint(HDC dc) {
  RECT area{};
  ::GetClientRect(Handle(), &area);
  if (color_) {
    const UniqueBrush fill(::CreateSolidBrush(*color_));
    ::FillRect(dc, &area, fill.Get());
  }
  DrawBevel(dc, area, bevelOuter_);
  ::InflateRect(&area, -borderWidth_, -borderWidth_);
  DrawBevel(dc, area, bevelInner_);
  DrawCaption(dc, area);
}

// One line, centred both ways, with "&" shown as it is: a panel's caption
// is data, not a label with a mnemonic.
void Panel::DrawCaption(HDC dc, const RECT& area) {
  const std::wstring caption = Widen(Text());
  if (caption.empty()) return;
  HGDIOBJ font = font_ != nullptr ? font_ : ::GetStockObject(DEFAULT_GUI_FONT);
  const SelectedObject selected(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, fontColor_.value_or(::GetSysColor(COLOR_BTNTEXT)));
  RECT box = area;
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Edit::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateStandard(L"EDIT", WS_EX_CLIENTEDGE, kChild | WS_TABSTOP | ES_AUTOHSCROLL, bounds, parent,
                 text, NextId(parent));
  // No limit on the length of the text.
  ::SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void Edit::OnCommand(int notification) {
  if (notification == EN_CHANGE && OnChange) OnChange();
}

void Button::Create(HWND parent, const Rect& bounds, std::string_view text) {
  const DWORD kind = default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  // The dialog navigation sends Enter to the control with the id IDOK and
  // Escape to the one with IDCANCEL.
  const int id = default_ ? IDOK : cancel_ ? IDCANCEL : NextId(parent);
  CreateStandard(L"BUTTON", 0, kChild | WS_TABSTOP | kind, bounds, parent, text, id);
}

void Button::Click() {
  if (OnClick) OnClick();
  if (modalResult_ != kModalNone) {
    if (Form* form = Form::OwningForm(Handle())) form->SetModalResult(modalResult_);
  }
}

// A click the system reports for a button that cannot be clicked, such as
// Enter or Esc that the dialog navigation hands to a disabled default or
// cancel button, or to one on a hidden page, does nothing.
void Button::OnCommand(int notification) {
  if (notification != BN_CLICKED) return;
  if (!::IsWindowEnabled(Handle()) || !ShownInItsWindow(Handle())) return;
  Click();
}

void ListBox::Create(HWND parent, const Rect& bounds, std::string_view text) {
  const DWORD exStyle = borderless_ ? 0 : WS_EX_CLIENTEDGE;
  CreateStandard(L"LISTBOX", exStyle, kChild | ListStyle(), bounds, parent, text, NextId(parent));
}

DWORD ListBox::ListStyle() const {
  DWORD style = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (tabStop_) style |= WS_TABSTOP;
  return style;
}

int ListBox::Count() const {
  return static_cast<int>(::SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::Item(int index) const {
  const auto length = ::SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return Narrow(text);
}

void ListBox::Add(std::string_view item) {
  Insert(-1, item);
}

void ListBox::Insert(int index, std::string_view item) {
  const std::wstring text = Widen(item);
  ::SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::Delete(int index) {
  ::SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ListBox::Clear() {
  ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ItemIndex() const {
  return static_cast<int>(::SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
  ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBox::SetItemHeight(int height) {
  ::SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
}

void ListBox::OnCommand(int notification) {
  if (notification == LBN_SELCHANGE && OnSelectionChange) OnSelectionChange();
  if (notification == LBN_DBLCLK && OnDoubleClick) OnDoubleClick();
}

}  // namespace toolkit
