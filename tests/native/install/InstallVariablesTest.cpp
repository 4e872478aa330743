// Install-time variables of registry entries: only the first variable found,
// in the fixed order, is replaced, and only at its first occurrence.
#include "install/text/InstallVariables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using install::InstallVariable;

// Fixed texts in place of the folders and the clock.
std::string FixedText(InstallVariable variable) {
  switch (variable) {
    case InstallVariable::kInstallDir:
      return "C:\\表\\App";
    case InstallVariable::kInstallTime:
      return "T";
    case InstallVariable::kInstallDateTime:
      return "DT";
    case InstallVariable::kInstallDate:
      return "D";
    case InstallVariable::kProgramFilesDir:
      return "P";
    case InstallVariable::kWinDir:
      return "W";
  }
  return "?";
}

TEST(ReplaceFirstInstallVariable, ReplacesTheFirstVariableOfTheOrderAtItsFirstOccurrence) {
  struct Case {
    std::string value;
    std::string expected;
  };
  const Case cases[] = {
      {"\"%installdir%\\a.exe\" \"%1\"", "\"C:\\表\\App\\a.exe\" \"%1\""},
      {"%InstallTime%|%INSTALLDATETIME%", "T|%INSTALLDATETIME%"},
      {"%INSTALLDATETIME%/%INSTALLDATE%", "DT/%INSTALLDATE%"},
      {"%INSTALLDATE%TIME%", "DTIME%"},
      {"%PROGRAMFILESDIR%\\%WinDir%", "P\\%WinDir%"},
      {"x%windir%", "xW"},
      // Two variables: the earlier in the order wins wherever it stands.
      {"%WINDIR%;%INSTALLDIR%", "%WINDIR%;C:\\表\\App"},
      // A second occurrence stays as written.
      {"%INSTALLDIR%;%InstallDir%", "C:\\表\\App;%InstallDir%"},
      // Double-byte characters around it: "ポ" ends in "|", "ソ" in "\".
      {"ポ%INSTALLDIR%ソ", "ポC:\\表\\Appソ"},
      {"%INSTALL%DIR%", "%INSTALL%DIR%"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(install::ReplaceFirstInstallVariable(c.value, FixedText), c.expected) << c.value;
  }
}

}  // namespace
