#include "toolkit/Menu.h"

#include "toolkit/Text.h"

namespace toolkit {

bool MenuItem::Enabled() const {
  return (::GetMenuState(parent_, static_cast<UINT>(id_), MF_BYCOMMAND) & MF_GRAYED) == 0;
}

void MenuItem::SetEnabled(bool enabled) {
  ::EnableMenuItem(parent_, static_cast<UINT>(id_),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

std::string MenuItem::Caption() const {
  wchar_t buffer[256] = {};
  ::GetMenuStringW(parent_, static_cast<UINT>(id_), buffer, 256, MF_BYCOMMAND);
  return Narrow(buffer);
}

void MenuItem::SetImage(UniqueBitmap image) {
  image_ = std::move(image);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = image_.Get();
  ::SetMenuItemInfoW(parent_, static_cast<UINT>(id_), FALSE, &info);
}

void Menu::Build(UniqueMenu root, const std::vector<MenuEntry>& entries) {
  menu_ = std::move(root);
  for (const MenuEntry& entry : entries) Append(menu_.Get(), entry);
  if (!shortcuts_.empty()) {
    accelerators_.Reset(
        ::CreateAcceleratorTableW(shortcuts_.data(), static_cast<int>(shortcuts_.size())));
  }
}

void Menu::Append(HMENU parent, const MenuEntry& entry) {
  const int id = nextId_++;
  if (entry.item != nullptr) {
    entry.item->parent_ = parent;
    entry.item->id_ = id;
  }
  if (entry.caption == "-") {
    ::AppendMenuW(parent, MF_SEPARATOR, static_cast<UINT_PTR>(id), nullptr);
    return;
  }
  std::wstring caption = Widen(entry.caption);
  if (!entry.items.empty()) {
    HMENU submenu = ::CreatePopupMenu();
    for (const MenuEntry& child : entry.items) Append(submenu, child);
    ::AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
    if (entry.item != nullptr) entry.item->id_ = 0;
    return;
  }
  if (entry.shortcut) {
    caption += L"\t";
    if (entry.shortcut->control) caption += L"Ctrl+";
    if (entry.shortcut->shift) caption += L"Shift+";
    caption += KeyName(entry.shortcut->key);
  }
  std::vector<Shortcut> keys = entry.moreShortcuts;
  if (entry.shortcut) keys.push_back(*entry.shortcut);
  for (const Shortcut& key : keys) {
    const BYTE modifiers = FVIRTKEY | (key.control ? FCONTROL : 0) | (key.shift ? FSHIFT : 0);
    shortcuts_.push_back({modifiers, static_cast<WORD>(key.key), static_cast<WORD>(id)});
  }
  ::AppendMenuW(parent, MF_STRING, static_cast<UINT_PTR>(id), caption.c_str());
  if (entry.onClick) handlers_[id] = entry.onClick;
}

// How a shortcut's key is written beside a caption.
std::wstring Menu::KeyName(WORD key) {
  switch (key) {
    case VK_UP:
      return L"↑";
    case VK_DOWN:
      return L"↓";
    case VK_DELETE:
      return L"Del";
    case VK_INSERT:
      return L"Ins";
    default:
      return std::wstring(1, static_cast<wchar_t>(key));
  }
}

bool Menu::Dispatch(int id) const {
  const auto handler = handlers_.find(id);
  if (handler == handlers_.end()) return false;
  handler->second();
  return true;
}

MenuBar::MenuBar(const std::vector<MenuEntry>& entries) {
  Build(UniqueMenu(::CreateMenu()), entries);
}

MenuBar::~MenuBar() {
  DetachFromWindow();
}

void MenuBar::AttachTo(HWND window) {
  window_ = window;
  ::SetMenu(window, Handle());
}

void MenuBar::DetachFromWindow() {
  if (window_ != nullptr && ::IsWindow(window_) && ::GetMenu(window_) == Handle()) {
    ::SetMenu(window_, nullptr);
  }
  window_ = nullptr;
}

PopupMenu::PopupMenu(const std::vector<MenuEntry>& entries) {
  Build(UniqueMenu(::CreatePopupMenu()), entries);
}

void PopupMenu::Popup(HWND owner, int x, int y) const {
  const int chosen = static_cast<int>(::TrackPopupMenu(
      Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
  if (chosen != 0) Dispatch(chosen);
}

}  // namespace toolkit
