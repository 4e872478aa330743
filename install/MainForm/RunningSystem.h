// The running system as the installer's support check sees it: its family
// and version numbers. Tests put any system in its place.
#pragma once

#include "install/QvSystemAPI/SystemFolders.h"
#include "install/text/SupportedSystems.h"

namespace install {

struct RunningSystem {
  PlatformFamily family = PlatformFamily::kNt;
  unsigned majorVersion = 0;
  unsigned minorVersion = 0;

  SystemClass Class() const {
    return family == PlatformFamily::kNt ? ClassNt(majorVersion) : Class9x(minorVersion);
  }
};

// The system this program runs on, from the platform's version query.
RunningSystem QueryRunningSystem();

}  // namespace install
