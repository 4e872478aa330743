#include "tests/wine/support/FolderLinks.h"

#include <windows.h>
#include <winioctl.h>

#include <cstdint>
#include <cstring>
#include <exception>
#include <utility>
#include <vector>

#include "tests/wine/support/LinuxShell.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/UniqueHandle.h"

namespace testing_support {

namespace {

bool Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The mount-point reparse data: tag, data length, reserved, then the header
// of the two names and the names themselves, each with its terminating zero.
std::vector<std::uint8_t> MountPointData(const std::wstring& target) {
  const std::wstring substitute = L"\\??\\" + target;
  const std::wstring& print = target;
  const std::size_t substituteBytes = (substitute.size() + 1) * sizeof(wchar_t);
  const std::size_t printBytes = (print.size() + 1) * sizeof(wchar_t);
  std::vector<std::uint8_t> data(16 + substituteBytes + printBytes);
  const auto put16 = [&](std::size_t at, std::size_t value) {
    const auto word = static_cast<std::uint16_t>(value);
    std::memcpy(data.data() + at, &word, sizeof word);
  };
  const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
  std::memcpy(data.data(), &tag, sizeof tag);
  put16(4, data.size() - 8);
  put16(8, 0);
  put16(10, substituteBytes - sizeof(wchar_t));
  put16(12, substituteBytes);
  put16(14, printBytes - sizeof(wchar_t));
  std::memcpy(data.data() + 16, substitute.c_str(), substituteBytes);
  std::memcpy(data.data() + 16 + substituteBytes, print.c_str(), printBytes);
  return data;
}

bool SetMountPoint(const std::wstring& folderPath, const std::wstring& target) {
  const toolkit::UniqueFile folder(
      ::CreateFileW(folderPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!folder) return false;
  std::vector<std::uint8_t> data = MountPointData(target);
  DWORD returned = 0;
  return ::DeviceIoControl(folder.Get(), FSCTL_SET_REPARSE_POINT, data.data(),
                           static_cast<DWORD>(data.size()), nullptr, 0, &returned, nullptr) != 0;
}

// A new folder made a junction; no folder is left behind when that fails.
bool MakeJunction(const std::wstring& link, const std::wstring& target) {
  if (!::CreateDirectoryW(link.c_str(), nullptr)) return false;
  if (SetMountPoint(link, target)) return true;
  ::RemoveDirectoryW(link.c_str());
  return false;
}

// Runs one shell command and tells whether it succeeded.
bool RunShellCommand(const std::string& command) {
  try {
    const ScratchFolder status;
    return RunShellScript(command, status.File(L"status")) == 0;
  } catch (const std::exception&) {
    return false;
  }
}

bool MakeLinuxLink(const std::string& unixLink, const std::string& unixTarget) {
  return RunShellCommand("ln -s -n -- " + ShellQuoted(unixTarget) + " " + ShellQuoted(unixLink));
}

// Removes the link only while it is a symbolic link, so nothing else is
// ever removed in its place.
void RemoveLinuxLink(const std::string& unixLink) {
  const std::string quoted = ShellQuoted(unixLink);
  RunShellCommand("if [ -L " + quoted + " ]; then rm -f -- " + quoted + "; fi");
}

// The prefix's "dosdevices" folder, from the Unix path of "C:\", which ends
// in "dosdevices/c:/".
std::string DosDevicesFolder() {
  std::string drive = UnixPathOf(L"C:\\");
  while (!drive.empty() && drive.back() == '/') drive.pop_back();
  return drive.substr(0, drive.rfind('/'));
}

}  // namespace

FolderLink::FolderLink(std::wstring link, const std::wstring& target) : link_(std::move(link)) {
  // Some systems accept the reparse data and still leave a plain folder.
  const auto works = [&] {
    const DWORD attributes = ::GetFileAttributesW(link_.c_str());
    const DWORD linkedFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & linkedFolder) == linkedFolder;
  };
  if (MakeJunction(link_, target)) {
    if (works()) {
      kind_ = Kind::Junction;
      return;
    }
    ::RemoveDirectoryW(link_.c_str());
  }
  try {
    unixLink_ = UnixPathOf(link_);
    if (MakeLinuxLink(unixLink_, UnixPathOf(target)) && works()) kind_ = Kind::Linux;
  } catch (const std::exception&) {
    kind_ = Kind::None;
  }
}

FolderLink::~FolderLink() {
  if (kind_ == Kind::Linux) RemoveLinuxLink(unixLink_);
}

MappedDrive::MappedDrive(const std::wstring& target) {
  for (wchar_t letter = L'Q'; letter <= L'Z'; ++letter) {
    const std::wstring drive{letter, L':'};
    if (::GetDriveTypeW((drive + L"\\").c_str()) != DRIVE_NO_ROOT_DIR) continue;
    if (Exists(drive + L"\\")) continue;
    if (DefineDevice(drive, target) || LinkInDosDevices(drive, target)) {
      drive_ = drive;
      return;
    }
  }
}

MappedDrive::~MappedDrive() {
  if (!unixLink_.empty()) {
    RemoveLinuxLink(unixLink_);
  } else if (!drive_.empty()) {
    ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, drive_.c_str(), nullptr);
  }
}

bool MappedDrive::DefineDevice(const std::wstring& drive, const std::wstring& target) {
  const std::wstring raw = L"\\??\\" + target;
  if (!::DefineDosDeviceW(DDD_RAW_TARGET_PATH, drive.c_str(), raw.c_str())) return false;
  if (Exists(drive + L"\\")) return true;
  ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, drive.c_str(), nullptr);
  return false;
}

bool MappedDrive::LinkInDosDevices(const std::wstring& drive, const std::wstring& target) {
  try {
    std::string link = DosDevicesFolder() + "/" + static_cast<char>(drive[0] - L'A' + L'a') + ":";
    if (!MakeLinuxLink(link, UnixPathOf(target))) return false;
    unixLink_ = link;
    if (Exists(drive + L"\\")) return true;
    RemoveLinuxLink(unixLink_);
    unixLink_.clear();
  } catch (const std::exception&) {
    unixLink_.clear();
  }
  return false;
}

}  // namespace testing_support
