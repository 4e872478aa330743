// The program's command-line arguments as Shift-JIS text.
#pragma once

#include <string>
#include <vector>

namespace toolkit {

// The arguments after the program name, split as the system splits them.
std::vector<std::string> CommandLineArguments();

}  // namespace toolkit
