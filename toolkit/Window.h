// The one way a window is wrapped: an object that owns its HWND for its whole
// life, cannot be copied or moved, and receives its messages through one
// virtual HandleMessage. Windows of the toolkit's own classes get their
// messages from the class's window procedure; standard controls are
// subclassed, so both kinds are handled the same way.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace toolkit {

class PopupMenu;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  bool HasHandle() const { return hwnd_ != nullptr; }

  // The wrapper of a window made by the toolkit, or null for any other window.
  static Window* FromHandle(HWND hwnd);

  // The window text as the programs' code page 932 text.
  void SetText(std::string_view text);
  std::string Text() const;
  // The same unconverted, for a text that is a path (a folder typed by the
  // user), which code page 932 need not be able to hold.
  void SetWideText(const std::wstring& text);
  std::wstring WideText() const;
  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetBounds(const Rect& bounds);
  Rect ClientRect() const;
  void Invalidate();
  // The font the window draws its text with; the caller keeps it alive.
  void SetFont(HFONT font);
  // The menu shown when the user asks for this window's context menu.
  void SetPopupMenu(const PopupMenu* menu) { popupMenu_ = menu; }

 protected:
  Window() = default;

  // Makes a window of a class the toolkit registers itself (on first use).
  void CreateOwnClass(const wchar_t* className, DWORD exStyle, DWORD style, const Rect& bounds,
                      HWND parent, std::string_view text, UINT classStyle = CS_DBLCLKS,
                      HBRUSH background = nullptr);
  // Makes a standard control (LISTBOX, BUTTON, ...) and subclasses it.
  void CreateStandard(const wchar_t* className, DWORD exStyle, DWORD style, const Rect& bounds,
                      HWND parent, std::string_view text, int id);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Takes the input focus when the pointer position (client coordinates)
  // lies inside the window and the user works in this program, so a control
  // reacts to hovering and receives the mouse wheel without a click.
  void FocusWhenHovered(int x, int y);

  // Has the parent erase its background into this window's device context,
  // so the window's undrawn parts look as if it had no window of its own.
  void EraseWithParentBackground(HDC dc) const;

  // What the window would do without the toolkit: the class's own procedure.
  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

  // Notifications that a parent sends back to the control they came from.
  virtual void OnCommand(int /*notification*/) {}
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  // A WM_NOTIFY from this control: returns whether it was handled, and sets
  // the answer the control gets (a nonzero answer refuses some changes).
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // A WM_VSCROLL or WM_HSCROLL from this control: the request (SB_...) and
  // the 16-bit position the message carries.
  virtual void OnScroll(int /*code*/, int /*position*/) {}

  // Windows of the toolkit's own classes draw themselves here, for the
  // screen (WM_PAINT) and for printing (WM_PRINTCLIENT) alike.
  virtual void OnPaint(HDC /*dc*/) {}

  // Called once the handle is gone, as the last message arrives.
  virtual void OnHandleDestroyed() {}

 private:
  friend class WindowProcedures;
  void Attach(HWND hwnd);
  void Detach();
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  bool ShowPopupMenu(LPARAM position);

  HWND hwnd_ = nullptr;
  const PopupMenu* popupMenu_ = nullptr;
  bool subclassed_ = false;
};

}  // namespace toolkit
