// The installer's registry object: one root key, at most one open key below
// it, and the value reads and writes the registry routines are made of. Each
// routine makes its own object, so nothing is shared between calls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "toolkit/UniqueHandle.h"

namespace install {

// The error of the registry layer; its text names the value concerned.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Root numbers as the setup script writes them; any other number means
// HKEY_CURRENT_USER.
inline constexpr int kRootLocalMachine = 0;
inline constexpr int kRootClassesRoot = 1;
inline constexpr int kRootCurrentUser = 2;
inline constexpr int kRootCurrentConfig = 3;

HKEY RootKeyForNumber(int root);

class Registry {
 public:
  // `access` is used for every open and create.
  Registry(HKEY root, REGSAM access);

  // Opens `path` below the root (a leading backslash is dropped), creating it
  // and its missing parents when `create` is set. Returns false on failure,
  // leaving no key open.
  bool OpenKey(std::string_view path, bool create);

  bool ValueExists(std::string_view name) const;

  // Reads a REG_SZ or REG_EXPAND_SZ value (not expanded) up to its first zero.
  // Throws RegistryError "'name' のデータ型が不正です" for another type and
  // "'name' の取得に失敗しました" when the read fails.
  std::string ReadString(std::string_view name) const;
  // The same value kept in UTF-16, for a value that names a path (a system
  // folder, say), which code page 932 need not be able to hold.
  std::wstring ReadWideString(std::string_view name) const;

  // Each write replaces a value of that name and any type. Throws
  // RegistryError "'name' の設定に失敗しました" when no key is open or the
  // system refuses the write.
  void WriteString(std::string_view name, std::string_view text) const;
  // A REG_SZ value kept in UTF-16 as given, for a value that names a path.
  void WriteWideString(std::string_view name, std::wstring_view text) const;
  void WriteInteger(std::string_view name, std::int32_t number) const;
  void WriteBinary(std::string_view name, std::span<const BYTE> bytes) const;

  // Deletes a value of the open key; a missing value or key is ignored.
  void DeleteValue(std::string_view name) const;

  // Deletes `path` below the root with everything under it; failures are
  // ignored.
  void DeleteKey(std::string_view path) const;

 private:
  void WriteValue(std::string_view name, DWORD type, const BYTE* data, DWORD size) const;

  HKEY root_;
  REGSAM access_;
  toolkit::UniqueKey key_;
};

}  // namespace install
