#include "toolkit/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

namespace toolkit {

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::wstring> result;
  for (int i = 1; i < count; ++i) result.emplace_back(arguments[i]);
  ::LocalFree(arguments);
  return result;
}

}  // namespace toolkit
