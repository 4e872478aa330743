#include "toolkit/ProgressBar.h"

#include <commctrl.h>

namespace toolkit {

void ProgressBar::Create(HWND parent, const Rect& bounds, std::string_view text) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&classes);
  CreateStandard(PROGRESS_CLASSW, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds, parent, text,
                 NextId(parent));
}

void ProgressBar::SetRange(int min, int max) {
  ::SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
}

int ProgressBar::Min() const {
  return static_cast<int>(::SendMessageW(Handle(), PBM_GETRANGE, TRUE, 0));
}

int ProgressBar::Max() const {
  return static_cast<int>(::SendMessageW(Handle(), PBM_GETRANGE, FALSE, 0));
}

void ProgressBar::SetPosition(int position) {
  ::SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int ProgressBar::Position() const {
  return static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

}  // namespace toolkit
