// The program's other windows while a modal window is up: the visible,
// enabled top-level windows of the calling thread are disabled for the
// object's life and enabled again at its end, also when an exception
// passes.
#pragma once

#include <windows.h>

#include <vector>

namespace toolkit {

class DisabledThreadWindows {
 public:
  // Every such window but the one excepted (the modal window itself).
  explicit DisabledThreadWindows(HWND except = nullptr);
  DisabledThreadWindows(const DisabledThreadWindows&) = delete;
  DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;
  ~DisabledThreadWindows();

 private:
  std::vector<HWND> disabled_;
};

}  // namespace toolkit
