#include "toolkit/DisabledWindows.h"

namespace toolkit {

DisabledThreadWindows::DisabledThreadWindows(HWND except) {
  struct Context {
    HWND except;
    std::vector<HWND>* disabled;
  } context{except, &disabled_};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* c = reinterpret_cast<Context*>(lParam);
        if (hwnd != c->except && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
          ::EnableWindow(hwnd, FALSE);
          c->disabled->push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&context));
}

// A window destroyed meanwhile is left alone.
DisabledThreadWindows::~DisabledThreadWindows() {
  for (HWND hwnd : disabled_) {
    if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
  }
}

}  // namespace toolkit
