// Folder links and drive letters for tests of code that must not follow a
// link or empty a drive. Where the system can, a link is a junction (a
// mount-point reparse point) and a drive a DOS device definition. Wine 8
// makes neither, but it shows a Linux symbolic link to a folder as a folder
// with the reparse-point attribute, and a link in the prefix's "dosdevices"
// folder as a drive, so there the Linux "ln" makes them.
#pragma once

#include <string>

namespace testing_support {

class FolderLink {
 public:
  // Makes `link` (which must not exist) point at the folder `target`.
  FolderLink(std::wstring link, const std::wstring& target);
  FolderLink(const FolderLink&) = delete;
  FolderLink& operator=(const FolderLink&) = delete;
  // Removes a Linux link that is still there; never what it points at.
  ~FolderLink();

  bool Made() const { return kind_ != Kind::None; }
  // A junction can be removed through the Windows calls; under Wine 8 a
  // Linux link cannot.
  bool IsJunction() const { return kind_ == Kind::Junction; }

 private:
  enum class Kind { None, Junction, Linux };
  std::wstring link_;
  std::string unixLink_;
  Kind kind_ = Kind::None;
};

// A drive letter of its own for a folder, removed again at the end.
class MappedDrive {
 public:
  explicit MappedDrive(const std::wstring& target);
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;
  ~MappedDrive();

  // "Q:", or empty when no letter could be mapped.
  const std::wstring& Drive() const { return drive_; }

 private:
  bool DefineDevice(const std::wstring& drive, const std::wstring& target);
  bool LinkInDosDevices(const std::wstring& drive, const std::wstring& target);

  std::wstring drive_;
  std::string unixLink_;
};

}  // namespace testing_support
