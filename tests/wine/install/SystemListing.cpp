#include "tests/wine/install/SystemListing.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "toolkit/UniqueHandle.h"

namespace install_tests {

// Entries that cannot be read are listed without a size rather than stop
// the listing.
void ListFiles(const std::wstring& folder, Listing& listing) {
  namespace fs = std::filesystem;
  // Names are relative: the folder and the "\\" after it are left out.
  const std::size_t skip = folder.ends_with(L'\\') ? folder.size() : folder.size() + 1;
  std::error_code error;
  for (fs::recursive_directory_iterator
           it(folder, fs::directory_options::skip_permission_denied, error),
       end;
       !error && it != end; it.increment(error)) {
    const std::wstring name = it->path().wstring().substr(skip);
    std::error_code unread;
    const auto size = it->is_directory(unread) ? std::uintmax_t{0} : it->file_size(unread);
    listing[name] = it->is_directory(unread) ? L"\\" : std::to_wstring(size);
  }
}

std::wstring ValueText(DWORD type, const void* data, std::size_t size) {
  std::wstring text = std::to_wstring(type) + L":";
  for (std::size_t i = 0; i < size; ++i) {
    wchar_t hex[4];
    std::swprintf(hex, 4, L"%02X", static_cast<const BYTE*>(data)[i]);
    text += hex;
  }
  return text;
}

void ListKey(HKEY root, const std::wstring& key, Listing& listing) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return;
  const toolkit::UniqueKey opened(raw);
  listing[key + L"\\"] = L"";
  wchar_t name[512];
  BYTE data[2048];
  DWORD type = 0;
  for (DWORD i = 0, length = 512, size = sizeof(data);
       ::RegEnumValueW(opened.Get(), i, name, &length, nullptr, &type, data, &size) ==
       ERROR_SUCCESS;
       ++i, length = 512, size = sizeof(data)) {
    listing[key + L"|" + name] = ValueText(type, data, size);
  }
  std::vector<std::wstring> subKeys;
  for (DWORD i = 0, length = 512; ::RegEnumKeyExW(opened.Get(), i, name, &length, nullptr, nullptr,
                                                  nullptr, nullptr) == ERROR_SUCCESS;
       ++i, length = 512) {
    subKeys.push_back(name);
  }
  for (const std::wstring& sub : subKeys) ListKey(root, key + L"\\" + sub, listing);
}

std::vector<std::wstring> Differences(const Listing& before, const Listing& after) {
  std::vector<std::wstring> differences;
  for (const auto& [name, value] : before) {
    const auto found = after.find(name);
    if (found == after.end())
      differences.push_back(L"- " + name);
    else if (found->second != value)
      differences.push_back(L"* " + name);
  }
  for (const auto& [name, value] : after) {
    if (!before.contains(name)) differences.push_back(L"+ " + name);
  }
  return differences;
}

}  // namespace install_tests
