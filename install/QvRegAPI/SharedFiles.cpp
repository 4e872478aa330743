#include "install/QvRegAPI/SharedFiles.h"

#include <windows.h>

#include "toolkit/UniqueHandle.h"

namespace install {

namespace {

toolkit::UniqueKey OpenSharedFiles(REGSAM access) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSharedFilesKey, 0, access, &key) != ERROR_SUCCESS) {
    return toolkit::UniqueKey();
  }
  return toolkit::UniqueKey(key);
}

}  // namespace

// A value name is at most 16383 characters long.
std::vector<std::wstring> ReadSharedFileNames() {
  std::vector<std::wstring> names;
  const toolkit::UniqueKey key = OpenSharedFiles(KEY_READ);
  if (!key) return names;
  std::wstring name(16384, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    const LONG result =
        ::RegEnumValueW(key.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_SUCCESS) names.emplace_back(name.data(), length);
  }
  return names;
}

void ForgetSharedFile(const std::wstring& path) {
  const toolkit::UniqueKey key = OpenSharedFiles(KEY_SET_VALUE);
  if (key) ::RegDeleteValueW(key.Get(), path.c_str());
}

}  // namespace install
