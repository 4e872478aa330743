// Linux programs started from a test under Wine, for what the Windows calls
// cannot do there (rendering PostScript, making symbolic links).
#pragma once

#include <string>

namespace testing_support {

// The Unix path (UTF-8) Wine gives a Windows path. Throws outside Wine.
std::string UnixPathOf(const std::wstring& path);

// The text in single quotes for the Linux shell.
std::string ShellQuoted(const std::string& text);

// Runs a Linux shell script (UTF-8) and gives its exit status. `statusPath` names a
// file the script leaves its status in; it must not exist yet.
int RunShellScript(const std::string& script, const std::wstring& statusPath);

}  // namespace testing_support
