#include "tests/wine/support/TestFiles.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "toolkit/Text.h"

namespace testing_support {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() : ScratchFolder(fs::temp_directory_path().wstring()) {}

ScratchFolder::ScratchFolder(const std::wstring& parent) {
  const fs::path base = parent;
  for (int attempt = 0;; ++attempt) {
    const fs::path candidate = base / (L"melopad-test-" + std::to_wstring(::GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(attempt));
    if (fs::create_directory(candidate)) {
      path_ = candidate.wstring();
      return;
    }
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(path_, ignored)) {
    ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  fs::remove_all(path_, ignored);
}

std::vector<std::wstring> ScratchFolder::FileNames() const {
  std::vector<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().wstring());
  }
  return names;
}

std::vector<std::uint8_t> ReadBytes(const std::wstring& path) {
  std::ifstream file(fs::path(path), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + toolkit::Narrow(path));
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(fs::path(path), std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + toolkit::Narrow(path));
}

void SetReadOnly(const std::wstring& path, bool readOnly) {
  ::SetFileAttributesW(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

}  // namespace testing_support
