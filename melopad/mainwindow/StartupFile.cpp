#include "melopad/mainwindow/StartupFile.h"

#include <filesystem>

#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

// The argument is the command line's own UTF-16 text, so a name that code
// page 932 cannot hold is looked up as it is, never as a look-alike.
bool IsExistingAlsFile(const std::wstring& path) {
  if (path.empty()) return false;
  const std::wstring extension = std::filesystem::path(path).extension().wstring();
  return toolkit::UpperCase(extension) == L".ALS" && toolkit::FileExists(path);
}
