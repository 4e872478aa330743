// Package files for the install tests: files built beside the tests, and
// copies of the version stamps with a marker byte and a chosen time stamp.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/wine/support/TestFiles.h"
#include "toolkit/UniqueHandle.h"

namespace install_tests {

// A file built beside the tests.
inline std::wstring Beside(const std::wstring& name) {
  wchar_t program[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, program, MAX_PATH);
  const std::wstring path = program;
  return path.substr(0, path.rfind(L'\\') + 1) + name;
}

// A file with a version resource of the given version and a marker byte
// after it, last written at the given minute of one day.
inline void WriteStamp(const std::wstring& path, const std::wstring& version, std::uint8_t marker,
                       int minute) {
  std::vector<std::uint8_t> bytes =
      testing_support::ReadBytes(Beside(L"stamp-" + version + L".dll"));
  bytes.push_back(marker);
  testing_support::WriteBytes(path, bytes);
  SYSTEMTIME system{2001, 3, 0, 21, 12, static_cast<WORD>(minute), 0, 0};
  FILETIME local{};
  FILETIME utc{};
  ::SystemTimeToFileTime(&system, &local);
  ::LocalFileTimeToFileTime(&local, &utc);
  const toolkit::UniqueFile file(
      ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ::SetFileTime(file.Get(), nullptr, nullptr, &utc);
}

}  // namespace install_tests
