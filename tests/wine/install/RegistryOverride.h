// Test helpers for the system folder tests: a registry value replaced for
// one test and put back as it was (or removed again) afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace install_tests {

inline constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";

class RegistryOverride {
 public:
  RegistryOverride(HKEY root, std::string key, std::string name)
      : root_(root), key_(std::move(key)), name_(std::move(name)) {
    HKEY raw = nullptr;
    keyExisted_ =
        ::RegOpenKeyExW(root_, toolkit::Widen(key_).c_str(), 0, KEY_READ, &raw) == ERROR_SUCCESS;
    if (!keyExisted_) return;
    const toolkit::UniqueKey opened(raw);
    const std::wstring wide = toolkit::Widen(name_);
    DWORD size = 0;
    if (::RegQueryValueExW(opened.Get(), wide.c_str(), nullptr, &type_, nullptr, &size) !=
        ERROR_SUCCESS) {
      return;
    }
    data_.resize(size);
    valueExisted_ = ::RegQueryValueExW(opened.Get(), wide.c_str(), nullptr, &type_, data_.data(),
                                       &size) == ERROR_SUCCESS;
  }
  RegistryOverride(const RegistryOverride&) = delete;
  RegistryOverride& operator=(const RegistryOverride&) = delete;
  ~RegistryOverride() {
    if (valueExisted_) {
      Write(type_, data_);
    } else {
      Remove();
      if (!keyExisted_) ::RegDeleteKeyW(root_, toolkit::Widen(key_).c_str());
    }
  }

  // Sets the value to a path, stored in UTF-16 exactly as given.
  void SetPath(const std::wstring& path, DWORD type = REG_SZ) {
    const auto* begin = reinterpret_cast<const BYTE*>(path.c_str());
    Write(type, std::vector<BYTE>(begin, begin + (path.size() + 1) * sizeof(wchar_t)));
  }
  void SetNumber(DWORD number) {
    const auto* begin = reinterpret_cast<const BYTE*>(&number);
    Write(REG_DWORD, std::vector<BYTE>(begin, begin + sizeof(number)));
  }
  void Remove() {
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(root_, toolkit::Widen(key_).c_str(), 0, KEY_ALL_ACCESS, &raw) !=
        ERROR_SUCCESS) {
      return;
    }
    const toolkit::UniqueKey opened(raw);
    ::RegDeleteValueW(opened.Get(), toolkit::Widen(name_).c_str());
  }

 private:
  void Write(DWORD type, const std::vector<BYTE>& data) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExW(root_, toolkit::Widen(key_).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &raw, nullptr) != ERROR_SUCCESS) {
      return;
    }
    const toolkit::UniqueKey opened(raw);
    ::RegSetValueExW(opened.Get(), toolkit::Widen(name_).c_str(), 0, type, data.data(),
                     static_cast<DWORD>(data.size()));
  }

  HKEY root_;
  std::string key_;
  std::string name_;
  bool keyExisted_ = false;
  bool valueExisted_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> data_;
};

// The folder a system folder query answers, asked directly, in UTF-16 as
// the system gives it.
inline std::wstring SystemAnswer(UINT (*query)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH + 1] = {};
  query(buffer, MAX_PATH + 1);
  return buffer;
}

}  // namespace install_tests
