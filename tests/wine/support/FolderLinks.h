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
  FolderLink(std::string link, const std::string& target);
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
  std::string link_;
  std::string unixLink_;
  Kind kind_ = Kind::None;
};

// A drive letter of its own for a folder, removed again at the end.
class MappedDrive {
 public:
  explicit MappedDrive(const std::string& target);
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;
  ~MappedDrive();

  // "Q:", or empty when no letter could be mapped.
  const std::string& Drive() const { return drive_; }

 private:
  bool DefineDevice(const std::string& drive, const std::string& target);
  bool LinkInDosDevices(const std::string& drive, const std::string& target);

  std::string drive_;
  std::string unixLink_;
};

}  // namespace testing_support
