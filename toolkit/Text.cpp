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

// WC_NO_BEST_FIT_CHARS keeps the system from putting a look-alike in (a
// plain "A" for "Å"); such characters are then reported as defaulted.
std::optional<std::string> NarrowExactly(std::wstring_view utf16) {
  if (utf16.empty()) return std::string();
  const int size = static_cast<int>(utf16.size());
  BOOL defaulted = FALSE;
  const int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, utf16.data(), size,
                                         nullptr, 0, nullptr, &defaulted);
  if (length <= 0 || defaulted) return std::nullopt;
  std::string result(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, utf16.data(), size, result.data(), length,
                      nullptr, &defaulted);
  if (defaulted) return std::nullopt;
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
