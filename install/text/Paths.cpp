#include "install/text/Paths.h"

#include <cstddef>

#include "install/text/DbcsText.h"

namespace install {

namespace {

constexpr auto npos = std::string_view::npos;

// Where the file name starts: after the last "\" or, for "C:name", the colon.
std::size_t FileNameStart(std::string_view path) {
  const std::size_t backslash = FindLastSeparator(path, '\\');
  const std::size_t colon = FindLastSeparator(path, ':');
  if (backslash == npos && colon == npos) return 0;
  if (backslash == npos) return colon + 1;
  if (colon == npos) return backslash + 1;
  return (backslash > colon ? backslash : colon) + 1;
}

char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool HasTrailingBackslash(std::string_view path) {
  return !path.empty() && FindLastSeparator(path, '\\') == path.size() - 1;
}

std::string IncludeTrailingBackslash(std::string_view path) {
  std::string result(path);
  if (!HasTrailingBackslash(path)) result += '\\';
  return result;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
  if (HasTrailingBackslash(path)) path.remove_suffix(1);
  return std::string(path);
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(FileNameStart(path)));
}

std::string ExtractFileExt(std::string_view path) {
  // "." is never a second byte, but the name part must be found the aware way.
  const std::string_view name = path.substr(FileNameStart(path));
  const std::size_t dot = name.rfind('.');
  return dot == npos ? std::string() : std::string(name.substr(dot));
}

std::string ExtractFileDir(std::string_view path) {
  const std::size_t at = FindLastSeparator(path, '\\');
  return at == npos ? std::string() : std::string(path.substr(0, at));
}

namespace {

// Where the file name of a UTF-16 path starts: after the last "\" or, for
// "C:name", the colon.
std::size_t FileNameStart(std::wstring_view path) {
  const std::size_t at = path.find_last_of(L"\\:");
  return at == std::wstring_view::npos ? 0 : at + 1;
}

}  // namespace

bool HasTrailingBackslash(std::wstring_view path) {
  return !path.empty() && path.back() == L'\\';
}

std::wstring IncludeTrailingBackslash(std::wstring_view path) {
  std::wstring result(path);
  if (!HasTrailingBackslash(path)) result += L'\\';
  return result;
}

std::wstring ExcludeTrailingBackslash(std::wstring_view path) {
  if (HasTrailingBackslash(path)) path.remove_suffix(1);
  return std::wstring(path);
}

std::wstring ExtractFileName(std::wstring_view path) {
  return std::wstring(path.substr(FileNameStart(path)));
}

std::wstring ExtractFileExt(std::wstring_view path) {
  const std::wstring_view name = path.substr(FileNameStart(path));
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring_view::npos ? std::wstring() : std::wstring(name.substr(dot));
}

std::wstring ExtractFileDir(std::wstring_view path) {
  const std::size_t at = path.rfind(L'\\');
  return at == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, at));
}

bool IsDriveRoot(std::string_view path) {
  if (path.size() < 2 || path.size() > 3) return false;
  const char letter = AsciiUpper(path[0]);
  if (letter < 'A' || letter > 'Z' || path[1] != ':') return false;
  return path.size() == 2 || path[2] == '\\';
}

}  // namespace install
