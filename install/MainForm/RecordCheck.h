// The check of an uninstall record before a removal trusts it. The record
// lies in the install folder, which users may be able to write, while the
// removal runs with an administrator's rights: so only the record exactly
// as its installation left it (its SHA-256 noted in the uninstall entry,
// which only an administrator can write) is used, and only from a private
// copy that cannot change after the check.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace install {

// A copy of a record's bytes in the user's temporary folder, deleted with
// the object. Throws toolkit::FileError when it cannot be written.
class RecordCopy {
 public:
  explicit RecordCopy(std::span<const std::uint8_t> bytes);
  RecordCopy(const RecordCopy&) = delete;
  RecordCopy& operator=(const RecordCopy&) = delete;
  ~RecordCopy();

  const std::wstring& Path() const noexcept { return path_; }

 private:
  std::wstring path_;
};

// Checks the copy of the record at recordPath, whose bytes were `bytes`:
//  - its project name is one key name, and the uninstall entry of that name
//    exists, names this record in its command and holds the bytes' digest;
//  - its install folder, normalised, is the folder that holds the record,
//    and a folder a removal may take (see RemovableFolder);
//  - its names are plain names (see CheckScriptNames).
// Throws toolkit::FileError with the message the user is shown otherwise.
void CheckRecord(const RecordCopy& copy, const std::wstring& recordPath,
                 std::span<const std::uint8_t> bytes);

}  // namespace install
