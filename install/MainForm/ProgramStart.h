// The installer's start: one copy at a time, then the wizard window.
#pragma once

#include "install/MainForm/Mainform.h"

namespace toolkit {
class Application;
}

// Runs the wizard until its window closes, unless another copy is running,
// which is told to the user instead.
void RunInstaller(toolkit::Application& application, WizardServices services);
