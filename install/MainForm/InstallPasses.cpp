#include "install/MainForm/InstallPasses.h"

namespace install {

// The passes themselves are not part of the program yet: each does nothing,
// so the wizard walks through the install step and finishes.
void InstallPasses::RegisterUninstall(TfrmMainForm&) {}

void InstallPasses::Uninstall(TfrmMainForm&) {}

}  // namespace install
