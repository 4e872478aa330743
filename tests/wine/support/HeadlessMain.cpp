// Runs the tests on a window station of their own that is not visible, so
// windows can be created without any display (Wine's null display driver).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "toolkit/UniqueHandle.h"

namespace {

class HeadlessDesktop {
 public:
  HeadlessDesktop() {
    const std::wstring name = L"tests-" + std::to_wstring(::GetCurrentProcessId());
    station_.Reset(::CreateWindowStationW(name.c_str(), 0, WINSTA_ALL_ACCESS, nullptr));
    if (station_) ::SetProcessWindowStation(station_.Get());
    desktop_.Reset(::CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr));
    if (desktop_) ::SetThreadDesktop(desktop_.Get());
  }

 private:
  toolkit::UniqueWindowStation station_;
  toolkit::UniqueDesktop desktop_;
};

}  // namespace

int main(int argc, char** argv) {
  HeadlessDesktop desktop;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
