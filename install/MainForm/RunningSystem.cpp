#include "install/MainForm/RunningSystem.h"

#include <windows.h>

namespace install {

RunningSystem QueryRunningSystem() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  RunningSystem system;
  if (!::GetVersionExW(&version)) return system;
  system.family =
      version.dwPlatformId == VER_PLATFORM_WIN32_NT ? PlatformFamily::kNt : PlatformFamily::k9x;
  system.majorVersion = version.dwMajorVersion;
  system.minorVersion = version.dwMinorVersion;
  return system;
}

}  // namespace install
