// Linux programs started from a test under Wine, for what the Windows calls
// cannot do there (rendering PostScript, making symbolic links).
#pragma once

#include <string>

namespace testing_support {

// The Unix path Wine gives a Windows path. Throws outside Wine.
std::string UnixPathOf(const std::string& path);

// The text in single quotes for the Linux shell.
std::string ShellQuoted(const std::string& text);

// Runs a Linux shell script and gives its exit status. `statusPath` names a
// file the script leaves its status in; it must not exist yet.
int RunShellScript(const std::string& script, const std::string& statusPath);

}  // namespace testing_support
