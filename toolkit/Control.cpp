#include "toolkit/Control.h"

#include <algorithm>

#include "toolkit/Form.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr wchar_t kPanelClass[] = L"toolkit.Panel";
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

void Panel::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateOwnClass(kPanelClass, WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, kChild | WS_CLIPCHILDREN,
                 bounds, parent, text);
  ::SetWindowLongPtrW(Handle(), GWLP_ID, NextId(parent));
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint();
    return 0;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

void Panel::Paint() {
  PaintDc dc(Handle());
  if (bevelInner_ == Bevel::None) return;
  RECT edge{};
  ::GetClientRect(Handle(), &edge);
  ::InflateRect(&edge, -borderWidth_, -borderWidth_);
  ::DrawEdge(dc.Get(), &edge, bevelInner_ == Bevel::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
             BF_RECT);
}

void Label::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateStandard(L"STATIC", 0, kChild | SS_LEFT | SS_NOPREFIX, bounds, parent, text,
                 NextId(parent));
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
  CreateStandard(L"BUTTON", 0, kChild | WS_TABSTOP | kind, bounds, parent, text,
                 default_ ? IDOK : NextId(parent));
}

void Button::Click() {
  if (OnClick) OnClick();
  if (modalResult_ != kModalNone) {
    if (Form* form = Form::OwningForm(Handle())) form->SetModalResult(modalResult_);
  }
}

void Button::OnCommand(int notification) {
  if (notification == BN_CLICKED) Click();
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
}

}  // namespace toolkit
