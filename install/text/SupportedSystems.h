// Which Windows versions a package supports: the setup script's
// "InstallVersion" number against the class of the running system.
#pragma once

namespace install {

// The classes a running system falls into; Other for one of neither family's
// known versions (a 9x minor version between 1 and 9, say).
enum class SystemClass { Windows95, Windows98, WindowsMe, WindowsNt4, Windows2000, Other };

// The class of a 9x system by its minor version: 0 is 95, 10 to 89 are 98,
// 90 and above Me.
SystemClass Class9x(unsigned minorVersion);

// The class of an NT system by its major version: below 5 NT 4, else 2000
// and later.
SystemClass ClassNt(unsigned majorVersion);

// Whether the number supports the class. The numbers follow a fixed table of
// 32 rows rather than a bit per class (2 supports nothing, while 14 supports
// 2000 and later); a number outside 0 to 31 supports nothing, and a system
// of class Other passes only with 27 and 31.
bool IsSupportedSystem(int installVersion, SystemClass system);

}  // namespace install
