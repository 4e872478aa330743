#include "install/QvRegAPI/Registry.h"

#include <vector>

#include "toolkit/Text.h"

namespace install {

namespace {

// The longest key name the registry allows, plus its terminating zero.
constexpr DWORD kMaxKeyNameLength = 256;

// The error text: the value name in single quotes, then what went wrong.
std::string Quoted(std::string_view name, std::string_view message) {
  std::string text;
  text.reserve(name.size() + message.size() + 1);
  text.append("'").append(name).append(message);
  return text;
}

std::wstring KeyPathBelowRoot(std::string_view path) {
  if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  return toolkit::Widen(path);
}

// Deletes `name` below `parent` depth first: the sub-keys from the last index
// down, so that enumeration indexes stay valid while deleting; the key itself
// only after it has been closed again.
void DeleteTree(HKEY parent, const std::wstring& name) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(parent, name.c_str(), 0, KEY_ALL_ACCESS, &raw) == ERROR_SUCCESS) {
    const toolkit::UniqueKey key(raw);
    DWORD count = 0;
    ::RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr);
    for (DWORD index = count; index-- > 0;) {
      wchar_t child[kMaxKeyNameLength];
      DWORD length = kMaxKeyNameLength;
      if (::RegEnumKeyExW(key.Get(), index, child, &length, nullptr, nullptr, nullptr, nullptr) ==
          ERROR_SUCCESS) {
        DeleteTree(key.Get(), std::wstring(child, length));
      }
    }
  }
  ::RegDeleteKeyW(parent, name.c_str());
}

}  // namespace

HKEY RootKeyForNumber(int root) {
  switch (root) {
    case kRootLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case kRootClassesRoot:
      return HKEY_CLASSES_ROOT;
    case kRootCurrentConfig:
      return HKEY_CURRENT_CONFIG;
    default:
      return HKEY_CURRENT_USER;
  }
}

Registry::Registry(HKEY root, REGSAM access) : root_(root), access_(access) {}

bool Registry::OpenKey(std::string_view path, bool create) {
  key_.Reset();
  const std::wstring below = KeyPathBelowRoot(path);
  HKEY raw = nullptr;
  const LSTATUS status =
      create ? ::RegCreateKeyExW(root_, below.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                                 nullptr, &raw, nullptr)
             : ::RegOpenKeyExW(root_, below.c_str(), 0, access_, &raw);
  if (status != ERROR_SUCCESS) return false;
  key_.Reset(raw);
  return true;
}

bool Registry::ValueExists(std::string_view name) const {
  if (!key_) return false;
  const std::wstring wide = toolkit::Widen(name);
  return ::RegQueryValueExW(key_.Get(), wide.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

std::string Registry::ReadString(std::string_view name) const {
  return toolkit::Narrow(ReadWideString(name));
}

std::wstring Registry::ReadWideString(std::string_view name) const {
  const std::wstring wide = toolkit::Widen(name);
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (!key_ || ::RegQueryValueExW(key_.Get(), wide.c_str(), nullptr, &type, nullptr, &size) !=
                   ERROR_SUCCESS) {
    throw RegistryError(Quoted(name, "' の取得に失敗しました"));
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    throw RegistryError(Quoted(name, "' のデータ型が不正です"));
  }
  // One spare character, so a value stored without its zero still ends in one.
  std::vector<wchar_t> text(size / sizeof(wchar_t) + 2, L'\0');
  if (::RegQueryValueExW(key_.Get(), wide.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
    throw RegistryError(Quoted(name, "' の取得に失敗しました"));
  }
  return std::wstring(text.data());
}

void Registry::WriteString(std::string_view name, std::string_view text) const {
  WriteWideString(name, toolkit::Widen(text));
}

// The stored data ends in one zero character, as REG_SZ values do.
void Registry::WriteWideString(std::string_view name, std::wstring_view text) const {
  const std::wstring terminated(text);
  const DWORD size = static_cast<DWORD>((terminated.size() + 1) * sizeof(wchar_t));
  WriteValue(name, REG_SZ, reinterpret_cast<const BYTE*>(terminated.c_str()), size);
}

void Registry::WriteInteger(std::string_view name, std::int32_t number) const {
  const DWORD value = static_cast<DWORD>(number);
  WriteValue(name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

void Registry::WriteBinary(std::string_view name, std::span<const BYTE> bytes) const {
  WriteValue(name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void Registry::WriteValue(std::string_view name, DWORD type, const BYTE* data, DWORD size) const {
  const std::wstring wide = toolkit::Widen(name);
  if (!key_ || ::RegSetValueExW(key_.Get(), wide.c_str(), 0, type, data, size) != ERROR_SUCCESS) {
    throw RegistryError(Quoted(name, "' の設定に失敗しました"));
  }
}

void Registry::DeleteValue(std::string_view name) const {
  if (!key_) return;
  const std::wstring wide = toolkit::Widen(name);
  ::RegDeleteValueW(key_.Get(), wide.c_str());
}

void Registry::DeleteKey(std::string_view path) const {
  const std::wstring below = KeyPathBelowRoot(path);
  // An empty path would name the root itself: deleting "everything under it"
  // would wipe a whole hive because of one empty script entry, so it is left
  // alone.
  if (below.empty()) return;
  DeleteTree(root_, below);
}

}  // namespace install
