// The version window: the program's picture, name, date and maker, and a
// button to the maker's homepage. Without its border and button it is also
// the splash shown while the editor starts.
#pragma once

#include "melopad/controls/IButton.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"

class TVersionInfoForm : public toolkit::Form {
 public:
  explicit TVersionInfoForm(HWND owner = nullptr);

  // Turns this window into the start-up splash: no border, no web button,
  // shorter by the button's height and 20 pixels.
  void MakeSplash();

  toolkit::Image Image1;
  TIButton WebButton;
  toolkit::ListBox ListBox1;

 private:
  void WebButtonClick();
};
