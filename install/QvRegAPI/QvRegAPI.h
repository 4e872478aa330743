// One call per registry action of the installer: each picks its root key by
// number (see Registry.h), opens or creates its key, does its one action and
// closes the key again. All texts are code page 932, except the paths of
// WriteRegWideString.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace install {

// The reads and writes take the key path in two parts, joined as
// key + "\" + subKey; an empty value name addresses the key's default value.

std::string ReadRegString(int root, std::string_view key, std::string_view subKey,
                          std::string_view name, std::string_view defaultValue);

void WriteRegString(int root, std::string_view key, std::string_view subKey, std::string_view name,
                    std::string_view text);
// The same with the text in UTF-16, for a value that names a path: code page
// 932 need not hold every character of one.
void WriteRegWideString(int root, std::string_view key, std::string_view subKey,
                        std::string_view name, std::wstring_view text);
void WriteRegInteger(int root, std::string_view key, std::string_view subKey, std::string_view name,
                     std::int32_t number);
void WriteRegBinary(int root, std::string_view key, std::string_view subKey, std::string_view name,
                    std::int32_t number, int byteCount);
void WriteRegBool(int root, std::string_view key, std::string_view subKey, std::string_view name,
                  std::uint8_t flag);

void DeleteRegValue(int root, std::string_view keyPath, std::string_view name);
// Deletes the key with everything below it, unless it is one that other
// programs share (see SharedRegistryKeys.h): those stay whatever the script
// says.
void DeleteRegKey(int root, std::string_view keyPath);

}  // namespace install
