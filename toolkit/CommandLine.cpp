#include "toolkit/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include "toolkit/Text.h"

namespace toolkit {

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; i < count; ++i) result.push_back(Narrow(arguments[i]));
  ::LocalFree(arguments);
  return result;
}

}  // namespace toolkit
