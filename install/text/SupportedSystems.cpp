#include "install/text/SupportedSystems.h"

#include <array>

namespace install {

namespace {

// One row per number: 95, 98, Me, NT 4, 2000 and later.
using Row = std::array<bool, 5>;
constexpr bool Y = true;
constexpr bool n = false;
constexpr std::array<Row, 32> kSupported = {{
    {n, n, n, n, n}, {n, n, n, Y, n}, {n, n, n, n, n}, {n, n, n, Y, Y},  // 0-3
    {n, n, n, n, n}, {n, n, n, Y, n}, {n, n, n, n, n}, {n, n, n, Y, Y},  // 4-7
    {n, Y, n, n, n}, {n, Y, n, Y, n}, {n, Y, n, n, n}, {n, Y, n, Y, Y},  // 8-11
    {n, Y, Y, n, n}, {n, Y, Y, Y, n}, {n, Y, Y, n, Y}, {n, Y, Y, Y, Y},  // 12-15
    {Y, n, n, n, n}, {Y, n, n, Y, n}, {Y, n, n, n, n}, {Y, n, n, Y, Y},  // 16-19
    {Y, n, n, n, n}, {Y, n, n, Y, n}, {Y, n, n, n, n}, {Y, n, n, Y, Y},  // 20-23
    {Y, Y, n, n, n}, {Y, Y, n, Y, n}, {Y, Y, n, n, n}, {Y, Y, Y, Y, Y},  // 24-27
    {Y, Y, Y, n, n}, {Y, Y, Y, Y, n}, {Y, Y, Y, n, n}, {Y, Y, Y, Y, Y},  // 28-31
}};

}  // namespace

SystemClass Class9x(unsigned minorVersion) {
  if (minorVersion == 0) return SystemClass::Windows95;
  if (minorVersion >= 10 && minorVersion <= 89) return SystemClass::Windows98;
  if (minorVersion >= 90) return SystemClass::WindowsMe;
  return SystemClass::Other;
}

SystemClass ClassNt(unsigned majorVersion) {
  return majorVersion < 5 ? SystemClass::WindowsNt4 : SystemClass::Windows2000;
}

bool IsSupportedSystem(int installVersion, SystemClass system) {
  if (installVersion < 0 || installVersion > 31) return false;
  if (system == SystemClass::Other) return installVersion == 27 || installVersion == 31;
  return kSupported[static_cast<std::size_t>(installVersion)][static_cast<std::size_t>(system)];
}

}  // namespace install
