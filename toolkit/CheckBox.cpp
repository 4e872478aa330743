#include "toolkit/CheckBox.h"

namespace toolkit {

// The system's automatic check box turns its mark over on each click and
// then tells its parent, so OnClick sees the new state.
void CheckBox::Create(HWND parent, const Rect& bounds, std::string_view text) {
  CreateStandard(L"BUTTON", 0,
                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_AUTOCHECKBOX, bounds,
                 parent, text, NextId(parent));
  SetChecked(checked_);
}

bool CheckBox::Checked() const {
  if (!HasHandle()) return checked_;
  return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  checked_ = checked;
  if (HasHandle()) {
    ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void CheckBox::OnCommand(int notification) {
  if (notification == BN_CLICKED && OnClick) OnClick();
}

}  // namespace toolkit
