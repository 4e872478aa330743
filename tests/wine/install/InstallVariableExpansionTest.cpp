// Install-time variables with the system's parts: the user's date and time
// formats for a fixed clock, the folders, and folders code page 932 cannot hold.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "install/script/InstallVariableExpansion.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/support/ErrorMessage.h"
#include "toolkit/Text.h"

namespace {

using install_tests::SystemAnswer;

// 25 November 2024, a Monday, at the given time.
SYSTEMTIME At(WORD hour, WORD minute, WORD second, WORD milliseconds) {
  return SYSTEMTIME{2024, 11, 1, 25, hour, minute, second, milliseconds};
}

std::string Expand(const std::string& value, const SYSTEMTIME& now = At(9, 7, 8, 0)) {
  return install::ExpandInstallVariables(value, L"C:\\表\\App\\", [now] { return now; });
}

// The test prefix runs with the Japanese locale: short dates "yyyy/M/d" under
// Wine ("yyyy/MM/dd" on Windows, the same for a two-digit month and day) and
// long times "H:mm:ss".
TEST(ExpandInstallVariables, DatesAndTimesInTheUsersFormatsForAFixedClock) {
  const struct {
    SYSTEMTIME now;
    std::string value;
    std::string expected;
  } cases[] = {
      {At(9, 7, 8, 0), "%INSTALLDATETIME%", "2024/11/25 9:07:08"},
      {At(9, 7, 8, 0), "on %InstallDate%", "on 2024/11/25"},
      {At(23, 59, 59, 999), "%INSTALLTIME%", "1899/12/30 23:59:59"},
      // Exactly midnight leaves the time out; half a second past does not.
      {At(0, 0, 0, 0), "%INSTALLDATETIME%", "2024/11/25"},
      {At(0, 0, 0, 0), "%INSTALLTIME%", "1899/12/30"},
      {At(0, 0, 0, 500), "%INSTALLDATETIME%", "2024/11/25 0:00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(Expand(c.value, c.now), c.expected) << c.value;
}

TEST(ExpandInstallVariables, FoldersGoInWithoutATrailingBackslash) {
  install_tests::RegistryOverride programFiles(
      HKEY_LOCAL_MACHINE, install_tests::kCurrentVersionKey, "ProgramFilesDir");
  programFiles.SetPath(L"P:\\プログラム");
  const std::string windows = toolkit::Narrow(SystemAnswer(::GetWindowsDirectoryW));
  EXPECT_EQ(Expand("\"%INSTALLDIR%\\a.exe\" %WINDIR%"), "\"C:\\表\\App\\a.exe\" %WINDIR%");
  EXPECT_EQ(Expand("%PROGRAMFILESDIR%\\x"), "P:\\プログラム\\x");
  EXPECT_EQ(Expand("%windir%\\x"), windows + "\\x");
}

TEST(ExpandInstallVariables, AFolderCodePage932CannotHoldIsAnError) {
  const std::wstring korean = L"C:\\\ud55c\uad6d";
  const auto expand = [&](const std::string& value) {
    return install::ExpandInstallVariables(value, korean + L"\\");
  };
  EXPECT_EQ(testing_support::WideErrorMessageOf([&] { expand("%INSTALLDIR%\\a.exe"); }),
            L"フォルダ " + korean + L" の名前はシフト JIS で表せません");
  // Only the replaced variable's folder is converted.
  EXPECT_EQ(expand("%WINDIR%|x"), toolkit::Narrow(SystemAnswer(::GetWindowsDirectoryW)) + "|x");
}

}  // namespace
