// The program's own path and its command-line arguments, kept in UTF-16: an argument may be a
// path that code page 932 cannot hold.
#pragma once

#include <string>
#include <vector>

namespace toolkit {

// The arguments after the program name, split as the system splits them.
std::vector<std::wstring> CommandLineArguments();

// The path of the program's own file, whatever its length.
std::wstring ProgramPath();

}  // namespace toolkit
