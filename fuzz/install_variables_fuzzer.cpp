// Any registry value of a setup script: at most one install-time variable is
// replaced, at one place, by the text the caller gives for it, and a value
// without a variable comes back as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "install/text/ContainsText.h"
#include "install/text/InstallVariables.h"

using install::InstallVariable;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view value(reinterpret_cast<const char*>(data), size);
  int asked = 0;
  InstallVariable replaced = InstallVariable::kInstallDir;
  const std::string text = "C:\\Program Files\\表示%WINDIR%";
  const std::string result =
      install::ReplaceFirstInstallVariable(value, [&](InstallVariable variable) {
        ++asked;
        replaced = variable;
        return text;
      });
  if (asked > 1) __builtin_trap();
  if (asked == 0) {
    if (result != value) __builtin_trap();
    return 0;
  }
  const std::string_view name = install::InstallVariableName(replaced);
  if (!install::ContainsText(name, value)) __builtin_trap();
  if (result.size() != value.size() - name.size() + text.size()) __builtin_trap();
  return 0;
}
