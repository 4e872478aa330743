#include "toolkit/YesNoAllBox.h"

#include <cwchar>

#include "toolkit/Text.h"

namespace toolkit {

namespace {

// The box is the system's "中止, 再試行, 無視" box with its buttons renamed as
// it first becomes active. That box has no Cancel button, so no way of
// closing it stands for "すべて" but the button itself; where the system
// still lets Esc close it (Wine does), the answer is IDCANCEL.
class ButtonRenaming {
 public:
  ButtonRenaming() : previous_(current) {
    current = this;
    hook_ = ::SetWindowsHookExW(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
  }
  ButtonRenaming(const ButtonRenaming&) = delete;
  ButtonRenaming& operator=(const ButtonRenaming&) = delete;
  ~ButtonRenaming() {
    if (hook_ != nullptr) ::UnhookWindowsHookEx(hook_);
    current = previous_;
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    ButtonRenaming* renaming = current;
    if (renaming == nullptr) return ::CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HCBT_ACTIVATE && !renaming->done_) {
      renaming->Rename(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(renaming->hook_, code, wParam, lParam);
  }

  void Rename(HWND box) {
    wchar_t className[16] = {};
    ::GetClassNameW(box, className, 16);
    if (std::wcscmp(className, L"#32770") != 0) return;
    done_ = true;
    ::SetDlgItemTextW(box, IDABORT, Widen("はい(&Y)").c_str());
    ::SetDlgItemTextW(box, IDRETRY, Widen("いいえ(&N)").c_str());
    ::SetDlgItemTextW(box, IDIGNORE, Widen("すべて(&A)").c_str());
  }

  static thread_local ButtonRenaming* current;
  ButtonRenaming* previous_;
  HHOOK hook_ = nullptr;
  bool done_ = false;
};

thread_local ButtonRenaming* ButtonRenaming::current = nullptr;

}  // namespace

int ShowYesNoAllBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
  int result = 0;
  {
    const ButtonRenaming renaming;
    result = ::MessageBoxW(owner, text.c_str(), caption.c_str(), MB_ABORTRETRYIGNORE | style);
  }
  switch (result) {
    case IDABORT:
      return IDYES;
    case IDRETRY:
      return IDNO;
    case IDIGNORE:
      return IDIGNORE;
    default:
      return result;
  }
}

}  // namespace toolkit
