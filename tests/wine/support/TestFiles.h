// A scratch folder per test, removed with everything in it afterwards, and
// small file helpers for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The path of a file in the folder, as Shift-JIS text.
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  const std::string& Path() const { return path_; }
  // The names of the files now in the folder.
  std::vector<std::string> FileNames() const;

 private:
  std::string path_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void SetReadOnly(const std::string& path, bool readOnly);

}  // namespace testing_support
