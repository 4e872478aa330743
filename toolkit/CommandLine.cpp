#include "toolkit/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

namespace toolkit {

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::wstring> result;
  for (int i = 1; i < count; ++i) result.emplace_back(arguments[i]);
  ::LocalFree(arguments);
  return result;
}

std::wstring ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace toolkit
