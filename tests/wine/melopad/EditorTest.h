// The base of the editor's window tests: the application-lifetime dialogs
// the main window is built with.
#pragma once

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Songnamediag.h"
#include "melopad/windows/Versioninfofrm.h"
#include "tests/wine/support/WindowTest.h"

namespace testing_support {

class EditorTest : public WindowTest {
 protected:
  MelopadDialogs Dialogs() { return {songNameDialog, versionInfoForm}; }

  TSongNameDialog songNameDialog;
  TVersionInfoForm versionInfoForm;
};

}  // namespace testing_support
