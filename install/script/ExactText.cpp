#include "install/script/ExactText.h"

namespace install {

namespace {

std::wstring WidenFrom(UINT codePage, const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), size, result.data(), length);
  return result;
}

// The UTF-8 code page takes neither the best-fit flag nor the default
// character report; for it WC_ERR_INVALID_CHARS refuses lone surrogates.
bool IsUtf8(UINT codePage) {
  return codePage == CP_UTF8 || (codePage == CP_ACP && ::GetACP() == CP_UTF8);
}

}  // namespace

// The round trip catches what the default character report cannot: a
// best-fit look-alike where the flag is not honoured.
std::optional<std::string> NarrowExactly(std::wstring_view text, UINT codePage) {
  if (text.empty()) return std::string();
  if (text.find(L'\0') != std::wstring_view::npos) return std::nullopt;
  const bool utf8 = IsUtf8(codePage);
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const usedDefaultReport = utf8 ? nullptr : &usedDefault;
  const int size = static_cast<int>(text.size());
  const int length = ::WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr,
                                           usedDefaultReport);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string result(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, flags, text.data(), size, result.data(), length, nullptr,
                        usedDefaultReport);
  if (usedDefault || WidenFrom(codePage, result) != text) return std::nullopt;
  return result;
}

}  // namespace install
