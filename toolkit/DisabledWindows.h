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

// A window that a system box or dialog is shown over keeps the enabled state
// it had: the system enables the box's owner again when the box closes,
// even an owner that a modal window of the program had disabled, which
// would let the user work in it while that modal window is still up.
class KeptOwnerState {
 public:
  explicit KeptOwnerState(HWND owner)
      : owner_(owner), wasDisabled_(owner != nullptr && !::IsWindowEnabled(owner)) {}
  KeptOwnerState(const KeptOwnerState&) = delete;
  KeptOwnerState& operator=(const KeptOwnerState&) = delete;
  ~KeptOwnerState() {
    if (wasDisabled_ && ::IsWindow(owner_)) ::EnableWindow(owner_, FALSE);
  }

 private:
  HWND owner_;
  bool wasDisabled_;
};

}  // namespace toolkit
