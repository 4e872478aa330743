#include "install/script/SetupScript.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <set>
#include <utility>

#include "install/script/ExactText.h"
#include "install/text/IntegerText.h"
#include "toolkit/FileError.h"
#include "toolkit/FileSystem.h"

namespace install {

namespace {

// Buffer sizes of the profile calls: a value of at most 2047 bytes and its
// zero, and up to 16384 bytes of key names with their zeros.
constexpr DWORD kValueBufferSize = 2048;
constexpr DWORD kKeyListBufferSize = 16384;

std::string ProfilePathOf(const std::wstring& path) {
  auto ansi = NarrowExactly(path, CP_ACP);
  if (!ansi) {
    throw toolkit::FileError("セットアップスクリプト %s のパスはシステムのコードページで表せません",
                             path);
  }
  return std::move(*ansi);
}

// The key names of a profile key list: each ends in a zero byte; when the
// list was cut, the last name runs to the end of what the call reported.
std::vector<std::string> SplitKeyList(const char* list, std::size_t length) {
  std::vector<std::string> names;
  std::size_t at = 0;
  while (at < length) {
    const std::size_t nameLength = ::strnlen(list + at, length - at);
    names.emplace_back(list + at, nameLength);
    at += nameLength + 1;
  }
  return names;
}

}  // namespace

SetupScript::SetupScript(const std::wstring& path)
    : path_(toolkit::FullPath(path).value_or(path)), profilePath_(ProfilePathOf(path_)) {}

// The text ends at the first zero the call wrote, which the buffer's size
// keeps within 2047 bytes.
std::string SetupScript::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  char buffer[kValueBufferSize] = {};
  ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                             kValueBufferSize, profilePath_.c_str());
  return std::string(buffer, ::strnlen(buffer, kValueBufferSize - 1));
}

int SetupScript::ReadInteger(const std::string& section, const std::string& key,
                             int defaultValue) const {
  return ParseInteger(ReadString(section, key), defaultValue);
}

bool SetupScript::ReadBool(const std::string& section, const std::string& key,
                           bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

// A null key name asks the profile call for the section's key names.
std::vector<std::string> SetupScript::ReadSectionKeys(const std::string& section) const {
  std::vector<char> buffer(kKeyListBufferSize, '\0');
  const DWORD length = ::GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                                  kKeyListBufferSize, profilePath_.c_str());
  return SplitKeyList(buffer.data(), std::min<std::size_t>(length, kKeyListBufferSize - 1));
}

std::vector<std::string> SetupScript::ReadSectionValues(const std::string& section) const {
  std::vector<std::string> values;
  for (const std::string& key : ReadSectionKeys(section))
    values.push_back(ReadString(section, key));
  return values;
}

std::string SetupScript::ReadRecord(const std::string& section, const std::string& key,
                                    const std::string& missingRecord) const {
  return ReadString(section, key, missingRecord);
}

namespace {

// The number a key of a numbered section stands for: decimal digits as the
// writer spells "0", "1"..., without leading zeros; nothing for any other key.
std::optional<int> EntryNumber(const std::string& key) {
  if (key.empty() || key.size() > 9 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  int number = 0;
  for (const char digit : key) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + (digit - '0');
  }
  return number;
}

}  // namespace

std::vector<std::string> SetupScript::ReadNumbered(const std::string& section, int count,
                                                   const std::string& missingRecord) const {
  std::set<int> numbers;
  for (const std::string& key : ReadSectionKeys(section)) {
    const std::optional<int> number = EntryNumber(key);
    if (number && *number < count) numbers.insert(*number);
  }
  std::vector<std::string> values;
  for (const int number : numbers) {
    values.push_back(ReadRecord(section, std::to_string(number), missingRecord));
  }
  if (count > 0 && numbers.size() < static_cast<std::size_t>(count)) {
    values.push_back(missingRecord);
  }
  return values;
}

// A script that refuses this refuses the writes that follow it as well,
// and those report the error.
void SetupScript::EraseSection(const std::string& section) const {
  ::WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, profilePath_.c_str());
}

void SetupScript::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) const {
  if (!::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    profilePath_.c_str())) {
    throw toolkit::FileError("%s に書き込めません", path_);
  }
}

// The call with no section, key or value writes out what the system holds
// of the file; it returns false when nothing was held, which is no failure.
void SetupScript::Flush() const {
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, profilePath_.c_str());
}

void SetupScript::WriteInteger(const std::string& section, const std::string& key,
                               int value) const {
  WriteString(section, key, std::to_string(value));
}

void SetupScript::WriteBool(const std::string& section, const std::string& key, bool value) const {
  WriteString(section, key, value ? "1" : "0");
}

std::string SetupScript::Read(const StringKey& key) const {
  return ReadString(key.section, key.name, key.defaultValue);
}

int SetupScript::Read(const IntegerKey& key) const {
  return ReadInteger(key.section, key.name, key.defaultValue);
}

bool SetupScript::Read(const BoolKey& key) const {
  return ReadBool(key.section, key.name, key.defaultValue);
}

void SetupScript::Write(const StringKey& key, const std::string& value) const {
  WriteString(key.section, key.name, value);
}

void SetupScript::Write(const IntegerKey& key, int value) const {
  WriteInteger(key.section, key.name, value);
}

void SetupScript::Write(const BoolKey& key, bool value) const {
  WriteBool(key.section, key.name, value);
}

}  // namespace install
