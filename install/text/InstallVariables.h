// The install-time variables of the setup script's registry entries
// ("%INSTALLDIR%", "%INSTALLDATE%" and the others): which one a value holds
// and the value with it replaced. The replacement texts come from the caller,
// so this part needs no clock and no system folders.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace install {

enum class InstallVariable {
  kInstallDir,
  kInstallTime,
  kInstallDateTime,
  kInstallDate,
  kProgramFilesDir,
  kWinDir,
};

// The variable as the script writes it, "%INSTALLDIR%" and so on.
std::string_view InstallVariableName(InstallVariable variable);

// The code page 932 text a variable stands for.
using InstallVariableText = std::function<std::string(InstallVariable)>;

// The value with one variable replaced: the first of "%INSTALLDIR%",
// "%INSTALLTIME%", "%INSTALLDATETIME%", "%INSTALLDATE%", "%PROGRAMFILESDIR%"
// and "%WINDIR%" (in this order) that the value contains, without regard to
// ASCII case, is replaced at its first occurrence by textOf(variable), which
// is asked for that variable only. Any further variable and any further
// occurrence stay as written; a value without a variable comes back as it is.
std::string ReplaceFirstInstallVariable(std::string_view value, const InstallVariableText& textOf);

}  // namespace install
