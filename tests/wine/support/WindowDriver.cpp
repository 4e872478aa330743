#include "tests/wine/support/WindowDriver.h"

#include <string_view>

namespace testing_support {

namespace {

constexpr ULONGLONG kTimeoutMs = 10000;

HWND FindWindowOf(DWORD thread, const std::function<bool(HWND)>& accepts) {
  struct Search {
    const std::function<bool(HWND)>& accepts;
    HWND found = nullptr;
  } search{accepts};
  ::EnumThreadWindows(
      thread,
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (::IsWindowVisible(window) && s.accepts(window)) s.found = window;
        return s.found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  ::InternalGetWindowText(window, text, 256);
  return text;
}

bool IsDialog(HWND window) {
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  return std::wstring_view(className) == L"#32770";
}

bool IsDialogCaptioned(HWND window, const std::wstring& caption) {
  return IsDialog(window) && TextOf(window) == caption;
}

bool PollUntil(const std::function<bool()>& condition, ULONGLONG timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (::GetTickCount64() > deadline) return false;
    ::Sleep(20);
  }
  return true;
}

void WindowDriver::Run(DWORD thread) {
  // The test's windows are on its hidden desktop; the driver joins it, so
  // it finds them whatever desktop a new thread starts on.
  ::SetThreadDesktop(::GetThreadDesktop(thread));
  HWND window = nullptr;
  PollUntil([&] { return (window = FindWindowOf(thread, wanted_)) != nullptr; }, kTimeoutMs);
  if (window != nullptr) {
    act_(window);
    acted_ = true;
  }
  const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
  while (HWND dialog = FindWindowOf(thread, IsDialog)) {
    if (::GetTickCount64() > deadline) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ::Sleep(20);
  }
}

}  // namespace testing_support
