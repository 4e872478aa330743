// Listings of what an installation or a removal may touch, files with their
// sizes and registry keys with their values, and the differences between
// two of them, for tests that compare the system before and after.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace install_tests {

using Listing = std::map<std::wstring, std::wstring>;

// Every entry below the folder with its size, folders marked "\"; links to
// folders are listed, never entered.
void ListFiles(const std::wstring& folder, Listing& listing);

// A registry value as its type and its data in hexadecimal: "1:4100".
std::wstring ValueText(DWORD type, const void* data, std::size_t size);

// Every key and value below the key: a key as "key\", a value as
// "key|name" with its value's text.
void ListKey(HKEY root, const std::wstring& key, Listing& listing);

// The differences from one listing to the other: "+ name" added, "- name"
// gone, "* name" changed.
std::vector<std::wstring> Differences(const Listing& before, const Listing& after);

}  // namespace install_tests
