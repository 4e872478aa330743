#include "melopad/mainwindow/StartupFile.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>

#include "toolkit/Text.h"

bool IsExistingAlsFile(std::string_view path) {
  if (path.empty()) return false;
  // Working on the UTF-16 form keeps a Shift-JIS trail byte from being taken
  // for a separator or a dot.
  const std::wstring widePath = toolkit::Widen(path);
  std::wstring extension = std::filesystem::path(widePath).extension().wstring();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  if (extension != L".ALS") return false;
  const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
