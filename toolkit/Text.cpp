#include "toolkit/Text.h"

#include <windows.h>

#include "toolkit/FileError.h"

namespace toolkit {

namespace {

constexpr UINT kShiftJis = 932;

std::wstring ConvertToUtf16(std::string_view cp932, DWORD flags) {
  if (cp932.empty()) return {};
  const int size = static_cast<int>(cp932.size());
  const int length = MultiByteToWideChar(kShiftJis, flags, cp932.data(), size, nullptr, 0);
  std::wstring result(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, flags, cp932.data(), size, result.data(), length);
  return result;
}

}  // namespace

std::wstring Widen(std::string_view cp932) {
  return ConvertToUtf16(cp932, 0);
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(kShiftJis, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, 0, utf16.data(), size, result.data(), length, nullptr, nullptr);
  return result;
}

std::wstring UpperCase(std::wstring_view text) {
  std::wstring result(text);
  if (!result.empty()) ::CharUpperBuffW(result.data(), static_cast<DWORD>(result.size()));
  return result;
}

// MB_ERR_INVALID_CHARS makes the conversion fail, rather than put a
// substitute in, for bytes that are no code page 932 character.
std::wstring PathFromText(std::string_view cp932) {
  std::wstring path = ConvertToUtf16(cp932, MB_ERR_INVALID_CHARS);
  if ((!cp932.empty() && path.empty()) || cp932.find('\0') != std::string_view::npos) {
    throw FileError("'%s' はファイル名として使えません", Widen(cp932));
  }
  return path;
}

}  // namespace toolkit
