#include "install/text/InstallVariables.h"

#include <cstddef>

#include "install/text/ContainsText.h"

namespace install {

namespace {

struct NamedVariable {
  InstallVariable variable;
  std::string_view name;
};

// The order of the tests. No name contains another ("%INSTALLDATE%" is not
// inside "%INSTALLDATETIME%": a "T" follows "DATE" there, not "%"), so the
// order decides only which of two variables in one value is replaced.
constexpr NamedVariable kVariables[] = {
    {InstallVariable::kInstallDir, "%INSTALLDIR%"},
    {InstallVariable::kInstallTime, "%INSTALLTIME%"},
    {InstallVariable::kInstallDateTime, "%INSTALLDATETIME%"},
    {InstallVariable::kInstallDate, "%INSTALLDATE%"},
    {InstallVariable::kProgramFilesDir, "%PROGRAMFILESDIR%"},
    {InstallVariable::kWinDir, "%WINDIR%"},
};

}  // namespace

std::string_view InstallVariableName(InstallVariable variable) {
  for (const NamedVariable& named : kVariables) {
    if (named.variable == variable) return named.name;
  }
  return {};
}

// The search is byte for byte, yet it never matches inside a double-byte
// character: a match starts with "%", which is never a second byte, and
// continues in ASCII letters, which are never first bytes.
std::string ReplaceFirstInstallVariable(std::string_view value, const InstallVariableText& textOf) {
  std::string result(value);
  for (const NamedVariable& named : kVariables) {
    const std::size_t at = FindText(named.name, value);
    if (at == std::string_view::npos) continue;
    return result.replace(at, named.name.size(), textOf(named.variable));
  }
  return result;
}

}  // namespace install
