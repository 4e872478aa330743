// The names a script gives that must stay one name, and the registry keys
// a removal never deletes.
#include <gtest/gtest.h>

#include <string>

#include "install/text/ScriptNames.h"
#include "install/text/SharedRegistryKeys.h"

namespace {

TEST(ScriptNames, OnlyPlainNamesPass) {
  const struct {
    std::string name;
    bool file, shortcut, key;
  } cases[] = {
      {"melopad.exe", true, true, true},
      {"ソフト", true, true, true},  // its second byte is "\"
      {"", false, false, false},
      {".", false, false, false},
      {"..", false, false, false},
      {"../x/photo.jpg", false, false, true},
      {"a\\b", true, false, false},
      {"C:x", true, false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(install::IsPlainFileName(c.name), c.file) << c.name;
    EXPECT_EQ(install::IsPlainShortcutName(c.name), c.shortcut) << c.name;
    EXPECT_EQ(install::IsSingleKeyName(c.name), c.key) << c.name;
  }
}

TEST(SharedRegistryKeys, RootsTheirChildrenAndTheWayToTheProgramListStay) {
  const struct {
    bool classesRoot;
    std::string path;
    bool shared;
  } cases[] = {
      {false, "", true},
      {false, "\\", true},
      {false, "Software", true},
      {false, "Software\\Classes", true},
      {false, "software\\microsoft", true},
      {false, "\\Software\\\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\", true},
      {false, "Software\\Classes\\CLSID", true},
      {false, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Melopad", false},
      {false, "Software\\Classes\\.als", false},
      {false, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", false},
      {true, "", true},
      {true, "CLSID", true},
      {true, "*", true},
      {true, ".als", false},
      {true, "CLSID\\{00000000-0000-0000-0000-000000000000}", false},
      {true, "表\\CLSID", false},  // one name: the "\" is a second byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(install::IsSharedRegistryKey(c.classesRoot, c.path), c.shared)
        << c.classesRoot << " " << c.path;
  }
}

}  // namespace
