#include "toolkit/Text.h"

#include <windows.h>

namespace toolkit {

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring Widen(std::string_view cp932) {
  if (cp932.empty()) return {};
  const int size = static_cast<int>(cp932.size());
  const int length = MultiByteToWideChar(kShiftJis, 0, cp932.data(), size, nullptr, 0);
  std::wstring result(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, 0, cp932.data(), size, result.data(), length);
  return result;
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

}  // namespace toolkit
