// A check box: a box the user ticks and clears by clicking it.
#pragma once

#include <functional>

#include "toolkit/Control.h"

namespace toolkit {

class CheckBox : public Control {
 public:
  void Create(HWND parent, const Rect& bounds, std::string_view text) override;
  bool Checked() const;
  // Sets the mark (before or after the window is made) without calling
  // OnClick, which answers the user's clicks.
  void SetChecked(bool checked);
  std::function<void()> OnClick;

 protected:
  void OnCommand(int notification) override;

 private:
  bool checked_ = false;
};

}  // namespace toolkit
