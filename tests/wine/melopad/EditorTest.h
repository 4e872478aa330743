// The base of the editor's window tests: the application-lifetime dialogs
// the main window is built with, and a sound bank that records every note
// instead of sounding it.
#pragma once

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Songnamediag.h"
#include "melopad/windows/Versioninfofrm.h"
#include "tests/wine/support/RecordingSoundBank.h"
#include "tests/wine/support/WindowTest.h"

namespace testing_support {

class EditorTest : public WindowTest {
 protected:
  MelopadServices Services() { return {songNameDialog, versionInfoForm, sounds}; }

  testing_support::RecordingSoundBank sounds;
  TSongNameDialog songNameDialog;
  TVersionInfoForm versionInfoForm;
};

}  // namespace testing_support
