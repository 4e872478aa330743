// Black-box work on the system's dialogs: a thread of its own finds the test
// thread's dialog while the test thread sits in its modal loop, and works
// it as a user would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace testing_support {

// The window's text, read without a message to the window, so a busy window
// thread never blocks the driver.
std::wstring TextOf(HWND window);
// Dialogs and message boxes alike are of the system's dialog class.
bool IsDialog(HWND window);
bool IsDialogCaptioned(HWND window, const std::wstring& caption);

// Checks the condition every 20 ms until it holds; false when it did not
// within the time.
bool PollUntil(const std::function<bool()>& condition, ULONGLONG timeoutMs = 10000);

// Works the test thread's windows from a thread of its own while the test
// thread sits in a modal loop: waits for a visible top-level window of the
// test thread that `wanted` accepts and hands it to `act`. Dialogs still up
// after that (or when no window came) are cancelled, so a test fails instead
// of hanging.
class WindowDriver {
 public:
  WindowDriver(std::function<bool(HWND)> wanted, std::function<void(HWND)> act)
      : wanted_(std::move(wanted)),
        act_(std::move(act)),
        worker_([this, thread = ::GetCurrentThreadId()] { Run(thread); }) {}
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;
  ~WindowDriver() {
    if (worker_.joinable()) worker_.join();
  }

  // Whether the window came and was acted on; waits for the driver's end.
  bool Acted() {
    if (worker_.joinable()) worker_.join();
    return acted_;
  }

 private:
  void Run(DWORD thread);

  std::function<bool(HWND)> wanted_;
  std::function<void(HWND)> act_;
  bool acted_ = false;
  std::thread worker_;
};

}  // namespace testing_support
