#include "toolkit/OwnerDrawListBox.h"

#include <imm.h>

#include <string>

#include "toolkit/Text.h"

namespace toolkit {

// A list box with its own colour and a single-line border instead of the
// sunken client edge.
void OwnerDrawListBox::Create(HWND parent, const Rect& bounds, std::string_view text) {
  SetBorderless(true);
  ListBox::Create(parent, bounds, text);
  // Without an input context the input method never composes for this
  // window: every key gives its plain character.
  ::ImmAssociateContextEx(Handle(), nullptr, 0);
}

DWORD OwnerDrawListBox::ListStyle() const {
  return ListBox::ListStyle() | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_NODATA;
}

// The system list redraws every row for a new count. When the rows shown
// neither scrolled nor changed width, the rows that stay are left as they
// are: the caller says which changed (InvalidateFrom). What was waiting to
// be painted before still is.
void OwnerDrawListBox::SetCount(int count) {
  const int top = TopIndex();
  const int width = ClientRect().width;
  const UniqueRegion waiting(::CreateRectRgn(0, 0, 0, 0));
  const bool kept = waiting && ::GetUpdateRgn(Handle(), waiting.Get(), FALSE) != ERROR;
  ::SendMessageW(Handle(), LB_SETCOUNT, static_cast<WPARAM>(count), 0);
  if (!kept || TopIndex() != top || ClientRect().width != width) return;
  ::ValidateRect(Handle(), nullptr);
  ::InvalidateRgn(Handle(), waiting.Get(), TRUE);
}

int OwnerDrawListBox::TopIndex() const {
  return static_cast<int>(::SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0));
}

// Rows above the top one shown move all shown rows when they change.
void OwnerDrawListBox::InvalidateFrom(int first) {
  RECT area{};
  ::GetClientRect(Handle(), &area);
  const int top = TopIndex();
  if (first > top) area.top = (first - top) * ItemHeight();
  if (area.top < area.bottom) ::InvalidateRect(Handle(), &area, TRUE);
}

void OwnerDrawListBox::SetColor(COLORREF color) {
  background_.Reset(::CreateSolidBrush(color));
  if (HasHandle()) Invalidate();
}

int OwnerDrawListBox::ItemHeight() const {
  return static_cast<int>(::SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0));
}

LRESULT OwnerDrawListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (!background_) break;
      EraseBackground(reinterpret_cast<HDC>(wParam));
      return TRUE;
    case WM_PAINT:
      if (Count() > 0) {
        if (!OnPaintItem) break;
        PaintRows();
        return 0;
      }
      // An empty list with the focus would show a blank first row in the
      // system's window colour where its focus goes; it is all list colour.
      if (!background_) break;
      {
        const PaintDc paint(Handle());
        EraseBackground(paint.Get());
      }
      return 0;
    case WM_CHAR:
      // Typed characters go to the program when it takes them; the list's
      // own type-ahead search would move the selection behind its back.
      if (!OnKeyPress) break;
      TypeCharacter(static_cast<wchar_t>(wParam));
      return 0;
    case WM_KEYDOWN:
      if (OnKeyDown) OnKeyDown(wParam);
      break;
    default:
      break;
  }
  return ListBox::HandleMessage(message, wParam, lParam);
}

// Only the rows the paint touches are drawn, with the states the list would
// give them: the system list draws every row shown at each paint, which a
// change of one row need not pay for. The space below the last row is
// filled by the erasing that BeginPaint asks for.
void OwnerDrawListBox::PaintRows() {
  const PaintDc paint(Handle());
  const RECT& area = paint.Area();
  const int height = ItemHeight();
  if (height <= 0) return;
  const int top = TopIndex();
  const int count = Count();
  const int selected = ItemIndex();
  const int caret = static_cast<int>(::SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
  const bool focused = ::GetFocus() == Handle();
  const int width = ClientRect().width;
  for (int row = top + area.top / height; row < count && (row - top) * height < area.bottom;
       ++row) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(Handle()));
    item.itemID = static_cast<UINT>(row);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (row == selected ? ODS_SELECTED : 0u) |
                     (focused && row == caret ? ODS_FOCUS : 0u) |
                     (::IsWindowEnabled(Handle()) ? 0u : ODS_DISABLED);
    item.hwndItem = Handle();
    item.hDC = paint.Get();
    item.rcItem = {0, (row - top) * height, width, (row - top + 1) * height};
    OnPaintItem(item);
  }
}

// The rows cover their own area; this fills the rest of the list.
void OwnerDrawListBox::EraseBackground(HDC dc) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  ::FillRect(dc, &client, background_.Get());
}

// The program works in Shift-JIS and its keys are single bytes. A character
// that takes two bytes there (a full-width letter or space from an input
// method) is one character that is no key: its lead and trail bytes are not
// handed over, as they would each be taken for a key of their own.
void OwnerDrawListBox::TypeCharacter(wchar_t character) {
  if (!OnKeyPress) return;
  const std::string bytes = Narrow(std::wstring_view(&character, 1));
  if (bytes.size() == 1) OnKeyPress(bytes.front());
}

bool OwnerDrawListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (!OnPaintItem) return false;
  OnPaintItem(item);
  return true;
}

}  // namespace toolkit
