#include "toolkit/ComboBox.h"

#include "toolkit/Text.h"

namespace toolkit {

namespace {
// Room for the dropped-down list below the edit field.
constexpr int kListHeight = 160;
}  // namespace

// The window's height includes the dropped-down list; the edit field's
// height follows from the font.
void ComboBox::Create(HWND parent, const Rect& bounds, std::string_view text) {
  Rect withList = bounds;
  withList.height += kListHeight;
  CreateStandard(L"COMBOBOX", 0,
                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                     CBS_AUTOHSCROLL,
                 withList, parent, text, NextId(parent));
}

void ComboBox::Add(std::string_view item) {
  const std::wstring text = Widen(item);
  ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ComboBox::Clear() {
  ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

int ComboBox::Count() const {
  return static_cast<int>(::SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

std::string ComboBox::Item(int index) const {
  const auto length = ::SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return Narrow(text);
}

int ComboBox::ItemIndex() const {
  return static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index) {
  ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// A pick from the list is announced before the edit field shows it; the
// text goes in first, so OnChange reads the new text. Putting it in counts
// as no change of its own.
void ComboBox::OnCommand(int notification) {
  if (notification == CBN_SELCHANGE) {
    ShowSelectedItem();
  } else if (notification != CBN_EDITCHANGE || showingItem_) {
    return;
  }
  if (OnChange) OnChange();
}

void ComboBox::ShowSelectedItem() {
  const int index = ItemIndex();
  if (index < 0) return;
  showingItem_ = true;
  SetText(Item(index));
  showingItem_ = false;
}

}  // namespace toolkit
