#include "install/QvRegAPI/QvRegAPI.h"

#include <array>
#include <exception>
#include <stdexcept>

#include "install/QvRegAPI/Registry.h"
#include "install/text/SharedRegistryKeys.h"

namespace install {

namespace {

std::string JoinKey(std::string_view key, std::string_view subKey) {
  std::string path(key);
  path += '\\';
  path += subKey;
  return path;
}

// A registry object whose key (key + "\" + subKey) has been created if it was
// missing. Whether that worked is not examined: when it failed, the write
// that follows has no key and raises the write error with the value name.
Registry CreatedKey(int root, std::string_view key, std::string_view subKey) {
  Registry registry(RootKeyForNumber(root), KEY_ALL_ACCESS);
  registry.OpenKey(JoinKey(key, subKey), true);
  return registry;
}

}  // namespace

std::string ReadRegString(int root, std::string_view key, std::string_view subKey,
                          std::string_view name, std::string_view defaultValue) {
  // Reading needs no more than read access; that also lets a limited user read
  // HKEY_LOCAL_MACHINE.
  Registry registry(RootKeyForNumber(root), KEY_READ);
  if (!registry.OpenKey(JoinKey(key, subKey), false)) return std::string(defaultValue);
  try {
    if (registry.ValueExists(name)) return registry.ReadString(name);
  } catch (const std::exception&) {
    // A value of another type or a failed read gives the default as well.
  }
  return std::string(defaultValue);
}

void WriteRegString(int root, std::string_view key, std::string_view subKey, std::string_view name,
                    std::string_view text) {
  CreatedKey(root, key, subKey).WriteString(name, text);
}

void WriteRegWideString(int root, std::string_view key, std::string_view subKey,
                        std::string_view name, std::wstring_view text) {
  CreatedKey(root, key, subKey).WriteWideString(name, text);
}

void WriteRegInteger(int root, std::string_view key, std::string_view subKey, std::string_view name,
                     std::int32_t number) {
  CreatedKey(root, key, subKey).WriteInteger(name, number);
}

// Writes the first `byteCount` bytes of the number in little-endian order. A
// 32-bit number has only four, so a larger count is refused before anything
// is created.
void WriteRegBinary(int root, std::string_view key, std::string_view subKey, std::string_view name,
                    std::int32_t number, int byteCount) {
  if (byteCount < 0 || byteCount > 4) {
    throw RegistryError("'" + std::string(name) + "' のバイト数 " + std::to_string(byteCount) +
                        " は 0 から 4 でなければなりません");
  }
  const auto value = static_cast<std::uint32_t>(number);
  const std::array<BYTE, 4> bytes = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                                     static_cast<BYTE>(value >> 16),
                                     static_cast<BYTE>(value >> 24)};
  CreatedKey(root, key, subKey)
      .WriteBinary(name, std::span<const BYTE>(bytes.data(), static_cast<size_t>(byteCount)));
}

// The flag byte is stored with its top bit cleared, so 1 and 0 stay 1 and 0.
void WriteRegBool(int root, std::string_view key, std::string_view subKey, std::string_view name,
                  std::uint8_t flag) {
  CreatedKey(root, key, subKey).WriteInteger(name, flag & 0x7F);
}

void DeleteRegValue(int root, std::string_view keyPath, std::string_view name) {
  Registry registry(RootKeyForNumber(root), KEY_ALL_ACCESS);
  if (registry.OpenKey(keyPath, false)) registry.DeleteValue(name);
}

// Keys that other programs or the system share are never deleted, whoever
// names them.
void DeleteRegKey(int root, std::string_view keyPath) {
  const HKEY rootKey = RootKeyForNumber(root);
  if (IsSharedRegistryKey(rootKey == HKEY_CLASSES_ROOT, keyPath)) return;
  Registry(rootKey, KEY_ALL_ACCESS).DeleteKey(keyPath);
}

}  // namespace install
