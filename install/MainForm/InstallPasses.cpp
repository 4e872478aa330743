#include "install/MainForm/InstallPasses.h"

namespace install {

// The passes themselves are not part of the program yet: each does nothing,
// so the wizard walks through the install step and finishes.
void InstallPasses::ProcessFileEntries(TfrmMainForm&, bool) {}

void InstallPasses::ProcessStartMenuItems(TfrmMainForm&, bool, const std::string&) {}

void InstallPasses::ProcessRegistryEntries(TfrmMainForm&, bool) {}

}  // namespace install
