// The key map window: the page that tells which PC key enters which note
// and which keys run the other editing commands, stretched over the window,
// with buttons that print it, choose the printer and close the window.
#pragma once

#include <windows.h>

#include <vector>

#include "toolkit/Anchor.h"
#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/MetafileImage.h"
#include "toolkit/Printing.h"
#include "toolkit/SpeedButton.h"

class TKeyMapForm : public toolkit::Form {
 public:
  // The owner is the main window.
  explicit TKeyMapForm(HWND owner);

  // Prints the page on the chosen or the default printer.
  void SpeedButton1Click();
  // Lets the user choose the printer and its settings.
  void SpeedButton3Click();
  void SpeedButton2Click();

  toolkit::MetafileImage KeyMapDisplay;
  toolkit::Panel ToolBar;
  toolkit::SpeedButton SpeedButton1;
  toolkit::SpeedButton SpeedButton3;
  toolkit::SpeedButton SpeedButton2;
  toolkit::PrinterSetupDialog PrinterSetupDialog;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ArrangeControls();

  // The buttons keep their distance to the tool bar's bottom right corner.
  std::vector<toolkit::RightBottomAnchor> buttonAnchors_;
};
