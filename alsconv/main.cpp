// alsconv's entry: the arguments the way the platform gives them. On Windows
// that is the UTF-16 command line (wmain, linked with -municode), so that
// every file name works, code page 932 or not.
#include <iostream>
#include <vector>

#include "alsconv/Alsconv.h"

#ifdef _WIN32
#include "toolkit/Text.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<alsconv::Argument> arguments;
  for (int i = 1; i < argc; ++i) {
    const auto exact = toolkit::NarrowExactly(argv[i]);
    arguments.push_back({argv[i], exact.value_or(toolkit::Narrow(argv[i])), exact.has_value()});
  }
  return alsconv::Run(arguments, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  std::vector<alsconv::Argument> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back({argv[i], argv[i], true});
  return alsconv::Run(arguments, std::cout, std::cerr);
}
#endif
