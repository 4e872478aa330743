// A scratch folder per test, removed with everything in it afterwards, and
// small file helpers for the tests. Paths are UTF-16, as the programs keep
// them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

class ScratchFolder {
 public:
  ScratchFolder();
  // In another folder than the temporary files' one.
  explicit ScratchFolder(const std::wstring& parent);
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The path of a file in the folder.
  std::wstring File(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }
  const std::wstring& Path() const { return path_; }
  // The names of the files now in the folder.
  std::vector<std::wstring> FileNames() const;

 private:
  std::wstring path_;
};

std::vector<std::uint8_t> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
void SetReadOnly(const std::wstring& path, bool readOnly);

}  // namespace testing_support
