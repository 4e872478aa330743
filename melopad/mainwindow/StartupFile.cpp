#include "melopad/mainwindow/StartupFile.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>

#include "toolkit/FileSystem.h"

// The argument is the command line's own UTF-16 text, so a name that code
// page 932 cannot hold is looked up as it is, never as a look-alike.
bool IsExistingAlsFile(const std::wstring& path) {
  if (path.empty()) return false;
  std::wstring extension = std::filesystem::path(path).extension().wstring();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  return extension == L".ALS" && toolkit::FileExists(path);
}
