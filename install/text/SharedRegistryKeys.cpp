#include "install/text/SharedRegistryKeys.h"

#include <algorithm>
#include <vector>

#include "install/text/DbcsText.h"

namespace install {

namespace {

// The class keys every program's registrations hang from.
constexpr std::string_view kSharedClassKeys[] = {"CLSID", "Interface", "TypeLib", "AppID",
                                                 "*",     "Directory", "Folder"};

// The keys from a root down to the uninstall entries; each one on the way
// holds other programs' settings too.
constexpr std::string_view kUninstallPath[] = {"Software", "Microsoft", "Windows", "CurrentVersion",
                                               "Uninstall"};

bool SameName(std::string_view a, std::string_view b) {
  const auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return upper(x) == upper(y); });
}

// The key's names from the root down; a "\" that is a second byte does not
// separate.
std::vector<std::string_view> KeyNames(std::string_view path) {
  std::vector<std::string_view> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = FindSeparator(path, '\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

bool IsSharedClassKey(std::string_view name) {
  return std::any_of(std::begin(kSharedClassKeys), std::end(kSharedClassKeys),
                     [&](std::string_view shared) { return SameName(name, shared); });
}

bool IsOnUninstallPath(const std::vector<std::string_view>& names) {
  if (names.size() > std::size(kUninstallPath)) return false;
  return std::equal(names.begin(), names.end(), std::begin(kUninstallPath), SameName);
}

}  // namespace

bool IsSharedRegistryKey(bool classesRoot, std::string_view path) {
  const std::vector<std::string_view> names = KeyNames(path);
  if (names.empty()) return true;
  if (classesRoot) return names.size() == 1 && IsSharedClassKey(names[0]);
  if (names.size() == 1 || IsOnUninstallPath(names)) return true;
  const bool inClasses = SameName(names[0], "Software") && SameName(names[1], "Classes");
  return inClasses && (names.size() == 2 || (names.size() == 3 && IsSharedClassKey(names[2])));
}

}  // namespace install
