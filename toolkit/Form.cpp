#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/DisabledWindows.h"
#include "toolkit/Font.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {

constexpr wchar_t kFormClass[] = L"toolkit.Form";

DWORD StyleOf(const FormDesign& design) {
  DWORD style = WS_CLIPCHILDREN;
  switch (design.border) {
    case BorderStyle::Sizeable:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      break;
    case BorderStyle::Single:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_BORDER;
      break;
    case BorderStyle::Dialog:
      style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      break;
    case BorderStyle::None:
      style |= WS_POPUP;
      break;
  }
  if (design.border != BorderStyle::None && design.systemMenu) style |= WS_SYSMENU;
  if (design.minimizeBox) style |= WS_MINIMIZEBOX;
  if (design.maximizeBox) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD ExStyleOf(const FormDesign& design) {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (design.border == BorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME;
  return exStyle;
}

}  // namespace

Form::Form(const FormDesign& design, HWND owner)
    : font_(CreateUiFont(design.fontName, design.fontHeight)) {
  if (design.color) background_.Reset(::CreateSolidBrush(*design.color));
  CreateOwnClass(kFormClass, ExStyleOf(design), StyleOf(design), {design.left, design.top, 0, 0},
                 owner, design.caption);
  if (design.width > 0 && design.height > 0) {
    ::SetWindowPos(Handle(), nullptr, 0, 0, design.width, design.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetClientSize(design.clientWidth, design.clientHeight);
  }
  centred_ = design.position == FormPosition::ScreenCenter;
  if (centred_) CenterOnScreen();
}

Form* Form::OwningForm(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  return dynamic_cast<Form*>(FromHandle(::GetAncestor(hwnd, GA_ROOT)));
}

void Form::SetClientSize(int width, int height) {
  RECT frame{0, 0, width, height};
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  ::AdjustWindowRectEx(&frame, style, ::GetMenu(Handle()) != nullptr, exStyle);
  ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CenterOnScreen() {
  RECT window{};
  ::GetWindowRect(Handle(), &window);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window keeps its place on screen and loses caption and frame.
void Form::SetBorderless() {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  auto style = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE));
  style &= ~static_cast<DWORD>(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_SYSMENU | DS_MODALFRAME);
  style |= WS_POPUP;
  ::SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(style));
  auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  exStyle &= ~static_cast<DWORD>(WS_EX_DLGMODALFRAME);
  ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  ::SetWindowPos(Handle(), nullptr, origin.x, origin.y, client.right, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The menu bar makes the window taller by its height; a centred window is
// centred again with it.
void Form::SetMainMenu(MenuBar& menu) {
  menu_ = &menu;
  const Rect client = ClientRect();
  menu.AttachTo(Handle());
  SetClientSize(client.width, client.height);
  if (centred_) CenterOnScreen();
}

void Form::PlaceControls(std::initializer_list<Placement> table) {
  for (const Placement& row : table) {
    HWND parent = row.parent != nullptr ? row.parent->Handle() : Handle();
    row.control.Create(parent, row.bounds, row.text);
    ::SendMessageW(row.control.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
}

void Form::Show() {
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
}

void Form::Hide() {
  ::ShowWindow(Handle(), SW_HIDE);
}

int Form::ShowModal() {
  Application& application = Application::Current();
  // A form without an owner is owned by the window it is shown over, so it
  // stays in front of it and gets no task bar button of its own.
  if (::GetWindow(Handle(), GW_OWNER) == nullptr) {
    if (HWND active = ::GetActiveWindow(); active != nullptr && active != Handle()) {
      ::SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(active));
    }
  }
  {
    const DisabledThreadWindows disabled(Handle());
    modal_ = true;
    modalResult_ = kModalNone;
    Show();
    ::SetActiveWindow(Handle());
    application.RunUntil([this] { return modalResult_ != kModalNone || !HasHandle(); });
  }
  modal_ = false;
  if (HasHandle()) Hide();
  return modalResult_;
}

void Form::Close() {
  ::SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void Form::Release() {
  if (HasHandle()) ::DestroyWindow(Handle());
}

void Form::HandleClose() {
  if (!FormCloseQuery()) return;
  if (modal_) {
    modalResult_ = kModalCancel;
  } else if (Application::Current().MainForm() == this) {
    ::DestroyWindow(Handle());
  } else {
    Hide();
  }
}

bool Form::PreTranslateMessage(MSG& message) {
  if (menu_ != nullptr && menu_->Accelerators() != nullptr &&
      ::TranslateAcceleratorW(Handle(), menu_->Accelerators(), &message)) {
    return true;
  }
  return dialogNavigation_ && ::IsDialogMessageW(Handle(), &message);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      HandleClose();
      return 0;
    case WM_DESTROY:
      if (menu_ != nullptr) menu_->DetachFromWindow();
      FormDestroy();
      if (Application::Current().MainForm() == this) Application::Current().Terminate();
      return 0;
    case WM_COMMAND:
      if (lParam == 0 && menu_ != nullptr && menu_->Dispatch(LOWORD(wParam))) return 0;
      // Escape in a form with dialog navigation cancels it like closing.
      if (lParam == 0 && dialogNavigation_ && LOWORD(wParam) == IDCANCEL) {
        Close();
        return 0;
      }
      break;
    case DM_GETDEFID:
      // Enter goes to the default button only while it can be clicked.
      if (dialogNavigation_) return DefaultButtonId();
      break;
    case WM_NEXTDLGCTL:
      if (dialogNavigation_) {
        MoveFocus(wParam, lParam);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // The system gives an activated top-level window the keyboard itself;
      // a form gives it back to the control that had it, as a dialog does,
      // so typing goes on where it was after a message box, a system dialog
      // or another form.
      if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
      } else if (HIWORD(wParam) == 0 && RestoreFocus()) {
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      if (background_) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
        return 1;
      }
      break;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

LRESULT Form::DefaultButtonId() const {
  HWND button = ::GetDlgItem(Handle(), IDOK);
  if (button == nullptr || !::IsWindowEnabled(button) ||
      (::GetWindowLongPtrW(button, GWL_STYLE) & WS_VISIBLE) == 0) {
    return 0;
  }
  return MAKELRESULT(IDOK, DC_HASDEFID);
}

// What a dialog does with WM_NEXTDLGCTL, which the dialog navigation sends
// for a label's accelerator: the keyboard to the given control, or to the
// next (or previous) control that takes it.
void Form::MoveFocus(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) != 0) {
    ::SetFocus(reinterpret_cast<HWND>(wParam));
    return;
  }
  HWND next = ::GetNextDlgTabItem(Handle(), ::GetFocus(), wParam != 0);
  if (next != nullptr) ::SetFocus(next);
}

void Form::RememberFocus() {
  HWND focus = ::GetFocus();
  if (focus != nullptr && ::IsChild(Handle(), focus)) focusedControl_ = focus;
}

bool Form::RestoreFocus() {
  HWND control = focusedControl_;
  if (control == nullptr || !::IsChild(Handle(), control) || !::IsWindowVisible(control) ||
      !::IsWindowEnabled(control)) {
    return false;
  }
  ::SetFocus(control);
  return true;
}

}  // namespace toolkit
