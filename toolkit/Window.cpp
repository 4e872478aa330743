#include "toolkit/Window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/Application.h"
#include "toolkit/Menu.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

namespace {

// The property under which each window keeps a pointer to its wrapper.
constexpr wchar_t kWrapperProperty[] = L"toolkit.Window";
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

// The window procedures live here so that Window's private parts stay private.
class WindowProcedures {
 public:
  static LRESULT CALLBACK OwnClass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      static_cast<Window*>(create->lpCreateParams)->Attach(hwnd);
    }
    Window* window = Window::FromHandle(hwnd);
    if (window == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return window->Dispatch(message, wParam, lParam);
  }

  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) {
    Window* window = Window::FromHandle(hwnd);
    if (window == nullptr) return ::DefSubclassProc(hwnd, message, wParam, lParam);
    return window->Dispatch(message, wParam, lParam);
  }
};

Window::~Window() {
  if (hwnd_ == nullptr) return;
  // The object is going away: messages sent while the window is destroyed
  // must no longer reach it.
  HWND hwnd = hwnd_;
  Detach();
  ::DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  return static_cast<Window*>(::GetPropW(hwnd, kWrapperProperty));
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  ::SetPropW(hwnd, kWrapperProperty, this);
}

void Window::Detach() {
  if (hwnd_ == nullptr) return;
  ::RemovePropW(hwnd_, kWrapperProperty);
  if (subclassed_) ::RemoveWindowSubclass(hwnd_, WindowProcedures::Subclass, kSubclassId);
  subclassed_ = false;
  hwnd_ = nullptr;
}

void Window::CreateOwnClass(const wchar_t* className, DWORD exStyle, DWORD style,
                            const Rect& bounds, HWND parent, std::string_view text, UINT classStyle,
                            HBRUSH background) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!::GetClassInfoExW(instance, className, &existing)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = WindowProcedures::OwnClass;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground =
        background != nullptr ? background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!::RegisterClassExW(&windowClass)) Application::ThrowLastError("RegisterClassEx");
  }
  HWND hwnd =
      ::CreateWindowExW(exStyle, className, Widen(text).c_str(), style, bounds.left, bounds.top,
                        bounds.width, bounds.height, parent, nullptr, instance, this);
  if (hwnd == nullptr) Application::ThrowLastError("CreateWindowEx");
}

void Window::CreateStandard(const wchar_t* className, DWORD exStyle, DWORD style,
                            const Rect& bounds, HWND parent, std::string_view text, int id) {
  HWND hwnd = ::CreateWindowExW(exStyle | WS_EX_NOPARENTNOTIFY, className, Widen(text).c_str(),
                                style, bounds.left, bounds.top, bounds.width, bounds.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                ::GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) Application::ThrowLastError("CreateWindowEx");
  Attach(hwnd);
  subclassed_ = ::SetWindowSubclass(hwnd, WindowProcedures::Subclass, kSubclassId, 0) != FALSE;
}

LRESULT Window::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  if (subclassed_) return ::DefSubclassProc(hwnd_, message, wParam, lParam);
  return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Every message passes here: an exception from a handler ends only the
// command that raised it and is shown by the application's error display.
LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    const LRESULT result = CallDefault(message, wParam, lParam);
    Detach();
    OnHandleDestroyed();
    return result;
  }
  try {
    return HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    Application::Current().HandleException(error);
  }
  return 0;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CONTEXTMENU && ShowPopupMenu(lParam)) return 0;
  if (!subclassed_ && message == WM_PAINT) {
    const PaintDc dc(hwnd_);
    OnPaint(dc.Get());
    return 0;
  }
  if (!subclassed_ && message == WM_PRINTCLIENT) {
    OnPaint(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  bool handled = false;
  const LRESULT result = ReflectToChild(message, wParam, lParam, handled);
  if (handled) return result;
  return CallDefault(message, wParam, lParam);
}

// Controls tell their parent about clicks, selection changes, drawing,
// common-control notifications and scrolling; the toolkit hands those back
// to the control's own wrapper. Messages from windows without a wrapper go
// on to the default handling.
LRESULT Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  switch (message) {
    case WM_COMMAND:
      if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
        child->OnCommand(HIWORD(wParam));
        handled = true;
      }
      return 0;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (Window* child = FromHandle(item->hwndItem)) handled = child->OnDrawItem(*item);
      return handled ? TRUE : FALSE;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      HWND control = ::GetDlgItem(hwnd_, static_cast<int>(item->CtlID));
      if (Window* child = FromHandle(control)) handled = child->OnMeasureItem(*item);
      return handled ? TRUE : FALSE;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header == nullptr) return 0;
      LRESULT result = 0;
      if (Window* child = FromHandle(header->hwndFrom)) handled = child->OnNotify(*header, result);
      return result;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
      // Without a control in lParam the message is about the window's own
      // scroll bar and stays with the window.
      if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
        child->OnScroll(LOWORD(wParam), HIWORD(wParam));
        handled = true;
      }
      return 0;
    default:
      return 0;
  }
}

// At the pointer, or at the window's top left corner when the menu was asked
// for from the keyboard.
bool Window::ShowPopupMenu(LPARAM position) {
  if (popupMenu_ == nullptr) return false;
  POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (position == -1) {
    at = {0, 0};
    ::ClientToScreen(hwnd_, &at);
  }
  popupMenu_->Popup(hwnd_, at.x, at.y);
  return true;
}

void Window::FocusWhenHovered(int x, int y) {
  const Rect client = ClientRect();
  const bool inside = x > 0 && x < client.width && y > 0 && y < client.height;
  if (inside && ::GetFocus() != hwnd_ && Application::IsActive()) ::SetFocus(hwnd_);
}

void Window::EraseWithParentBackground(HDC dc) const {
  HWND parent = ::GetParent(hwnd_);
  if (parent == nullptr) return;
  POINT origin{0, 0};
  ::MapWindowPoints(hwnd_, parent, &origin, 1);
  POINT previous{};
  ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  ::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void Window::SetText(std::string_view text) {
  SetWideText(Widen(text));
}

std::string Window::Text() const {
  return Narrow(WideText());
}

void Window::SetWideText(const std::wstring& text) {
  ::SetWindowTextW(hwnd_, text.c_str());
}

std::wstring Window::WideText() const {
  const int length = ::GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied));
  return text;
}

void Window::SetVisible(bool visible) {
  ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Window::Visible() const {
  return ::IsWindowVisible(hwnd_) != FALSE;
}

void Window::SetEnabled(bool enabled) {
  ::EnableWindow(hwnd_, enabled);
}

bool Window::Enabled() const {
  return ::IsWindowEnabled(hwnd_) != FALSE;
}

void Window::SetBounds(const Rect& bounds) {
  ::MoveWindow(hwnd_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
}

Rect Window::ClientRect() const {
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  return {0, 0, client.right, client.bottom};
}

void Window::SetFont(HFONT font) {
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Window::Invalidate() {
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace toolkit
