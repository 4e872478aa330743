// The dialog that asks for the melody's name. It has no behaviour of its
// own: callers preset or read NameEdit, and every way of closing it (the OK
// button, Enter, Escape, the close command) hands the text back.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"

class TSongNameDialog : public toolkit::Form {
 public:
  TSongNameDialog();

  toolkit::Label Label1;
  toolkit::Edit NameEdit;
  toolkit::Button OKButton;
};
