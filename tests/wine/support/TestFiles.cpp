#include "tests/wine/support/TestFiles.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "toolkit/Text.h"

namespace testing_support {

namespace fs = std::filesystem;

namespace {
fs::path PathOf(const std::string& cp932) {
  return fs::path(toolkit::Widen(cp932));
}
}  // namespace

ScratchFolder::ScratchFolder() {
  const fs::path base = fs::temp_directory_path();
  for (int attempt = 0;; ++attempt) {
    const fs::path candidate = base / (L"melopad-test-" + std::to_wstring(::GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(attempt));
    if (fs::create_directory(candidate)) {
      path_ = toolkit::Narrow(candidate.wstring());
      return;
    }
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(PathOf(path_), ignored)) {
    ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  fs::remove_all(PathOf(path_), ignored);
}

std::vector<std::string> ScratchFolder::FileNames() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(PathOf(path_))) {
    names.push_back(toolkit::Narrow(entry.path().filename().wstring()));
  }
  return names;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(PathOf(path), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(PathOf(path), std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

void SetReadOnly(const std::string& path, bool readOnly) {
  ::SetFileAttributesW(toolkit::Widen(path).c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

}  // namespace testing_support
