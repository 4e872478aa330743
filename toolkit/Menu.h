// Main and popup menus built from a table of entries. Each entry may name a
// menu item member of its window, so the window can reach the item later.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

// A shortcut, Ctrl with the key unless `control` is cleared and with Shift
// too when `shift` is set, shown beside the caption and active while the
// menu's window is active. The key is a letter or a virtual key such as
// VK_UP.
struct Shortcut {
  WORD key;
  bool shift = false;
  bool control = true;
};

// A menu entry as its window sees it after the menu is built.
class MenuItem {
 public:
  int Id() const { return id_; }
  bool Enabled() const;
  void SetEnabled(bool enabled);
  std::string Caption() const;
  // The picture shown beside the caption; the item keeps it.
  void SetImage(UniqueBitmap image);

 private:
  friend class Menu;
  HMENU parent_ = nullptr;
  int id_ = 0;
  UniqueBitmap image_;
};

struct MenuEntry {
  std::string caption;  // "-" makes a separator
  MenuItem* item = nullptr;
  std::function<void()> onClick;
  std::optional<Shortcut> shortcut;
  std::vector<MenuEntry> items;  // entries of a submenu
  // Further shortcuts of the entry, active but not shown.
  std::vector<Shortcut> moreShortcuts;
};

inline MenuEntry MenuSeparator(MenuItem* item = nullptr) {
  return {"-", item, {}, {}, {}};
}

class Menu {
 public:
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  HMENU Handle() const { return menu_.Get(); }
  HACCEL Accelerators() const { return accelerators_.Get(); }
  // Runs the handler of the entry with this command identifier.
  bool Dispatch(int id) const;
  // Runs the handler of the entry as if it had been chosen.
  void Click(const MenuItem& item) const { Dispatch(item.Id()); }

 protected:
  Menu() = default;
  void Build(UniqueMenu root, const std::vector<MenuEntry>& entries);

 private:
  static std::wstring KeyName(WORD key);
  void Append(HMENU parent, const MenuEntry& entry);

  UniqueMenu menu_;
  UniqueAccelerators accelerators_;
  std::vector<ACCEL> shortcuts_;
  std::map<int, std::function<void()>> handlers_;
  int nextId_ = 100;
};

// The menu bar of a form. The menu stays this object's: it is taken off its
// window before either is destroyed, so the system never frees it.
class MenuBar : public Menu {
 public:
  explicit MenuBar(const std::vector<MenuEntry>& entries);
  ~MenuBar();
  void AttachTo(HWND window);
  void DetachFromWindow();

 private:
  HWND window_ = nullptr;
};

class PopupMenu : public Menu {
 public:
  explicit PopupMenu(const std::vector<MenuEntry>& entries);
  // Shows the menu at a screen position and runs the chosen entry's handler.
  void Popup(HWND owner, int x, int y) const;
};

}  // namespace toolkit
