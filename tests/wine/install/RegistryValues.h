// The text values of a registry key, read back for comparison in tests.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace install_tests {

// A key's text values by name; none for a missing key.
inline std::map<std::string, std::wstring> TextValuesOf(HKEY root, const std::string& key) {
  std::map<std::string, std::wstring> values;
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(root, toolkit::Widen(key).c_str(), 0, KEY_READ, &raw) != 0) return values;
  const toolkit::UniqueKey opened(raw);
  wchar_t name[256];
  wchar_t data[1024];
  for (DWORD i = 0, length = 256, size = sizeof(data);
       ::RegEnumValueW(opened.Get(), i, name, &length, nullptr, nullptr,
                       reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
       ++i, length = 256, size = sizeof(data)) {
    values[toolkit::Narrow(name)] = std::wstring(data, size / sizeof(wchar_t) - 1);
  }
  return values;
}

}  // namespace install_tests
