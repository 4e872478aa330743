#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "install/QvSystemAPI/Shortcut.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Com.h"
#include "toolkit/Text.h"

namespace {

using install::PlatformFamily;
using install_tests::kShellFoldersKey;
using install_tests::RegistryOverride;
using testing_support::ScratchFolder;

struct LinkContents {
  std::string path;
  std::string arguments;
  std::string workingFolder;
  std::string description;
};

// Loads a link file through the shell's own link object, with its ANSI
// interface: in the test prefix the ANSI code page is 932, so the texts come
// back as the very bytes the installer keeps, without the toolkit's
// conversion in between.
LinkContents ReadLink(const std::string& file) {
  LinkContents contents;
  EXPECT_EQ(::GetACP(), 932u);
  toolkit::ComPtr<IShellLinkA> link;
  EXPECT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(link.Put()))));
  if (!link) return contents;
  const toolkit::ComPtr<IPersistFile> persist = link.As<IPersistFile>();
  EXPECT_TRUE(SUCCEEDED(persist->Load(toolkit::Widen(file).c_str(), STGM_READ))) << file;
  char buffer[MAX_PATH * 2] = {};
  link->GetPath(buffer, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
  contents.path = buffer;
  buffer[0] = '\0';
  link->GetArguments(buffer, MAX_PATH * 2);
  contents.arguments = buffer;
  buffer[0] = '\0';
  link->GetWorkingDirectory(buffer, MAX_PATH * 2);
  contents.workingFolder = buffer;
  buffer[0] = '\0';
  link->GetDescription(buffer, MAX_PATH * 2);
  contents.description = buffer;
  return contents;
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesW(toolkit::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Points every "Shell Folders" value at a folder of its own inside a scratch
// folder, for one test.
class ShortcutTest : public ::testing::Test {
 protected:
  static constexpr const char* kCommonNames[] = {"Common Desktop", "Common Programs",
                                                 "Common Start Menu", "Common Startup"};
  static constexpr const char* kUserNames[] = {"Desktop", "Programs", "Start Menu", "Startup",
                                               "Send to"};

  void SetUp() override {
    ASSERT_TRUE(com_.Succeeded());
    for (const char* name : kCommonNames)
      Point(HKEY_LOCAL_MACHINE, name, std::string("all ") + name);
    for (const char* name : kUserNames) Point(HKEY_CURRENT_USER, name, std::string("my ") + name);
    MakeFolder(scratch_.File("app"));
    target_ = scratch_.File("app\\メロパッド.exe");
    testing_support::WriteBytes(target_, {'M', 'Z'});
  }

  void Point(HKEY root, const std::string& name, const std::string& folder) {
    values_.push_back(std::make_unique<RegistryOverride>(root, kShellFoldersKey, name));
    values_.back()->Set(scratch_.File(folder));
    MakeFolder(scratch_.File(folder));
  }

  static void MakeFolder(const std::string& path) {
    ASSERT_TRUE(::CreateDirectoryW(toolkit::Widen(path).c_str(), nullptr)) << path;
  }

  toolkit::ComInitialization com_;
  ScratchFolder scratch_;
  std::vector<std::unique_ptr<RegistryOverride>> values_;
  std::string target_;
};

TEST_F(ShortcutTest, LinkStoresPathArgumentsWorkingFolderAndDescription) {
  install::CreateShortcut("メロディ表", "メロパッド表", target_, 1, "/SONGS \"ソ.als\"",
                          PlatformFamily::kNt);
  const std::string file = scratch_.File("all Common Programs\\メロディ表\\メロパッド表.lnk");
  ASSERT_TRUE(Exists(file));
  const LinkContents link = ReadLink(file);
  EXPECT_EQ(link.path, target_);
  EXPECT_EQ(link.arguments, "/SONGS \"ソ.als\"");
  EXPECT_EQ(link.workingFolder, scratch_.File("app"));
  EXPECT_EQ(link.description, "メロパッド表");
}

TEST_F(ShortcutTest, KindAndFamilyChooseTheLinkFolder) {
  const struct {
    int kind;
    PlatformFamily family;
    const char* folder;
  } cases[] = {
      {0, PlatformFamily::kNt, "all Common Desktop"},
      {1, PlatformFamily::kNt, "all Common Programs\\Group"},
      {2, PlatformFamily::kNt, "all Common Start Menu\\Group"},
      {3, PlatformFamily::kNt, "all Common Startup"},
      {4, PlatformFamily::kNt, "my Send to"},
      {5, PlatformFamily::kNt, "all Common Start Menu\\Group"},
      {9, PlatformFamily::kNt, "all Common Start Menu\\Group"},
      {0, PlatformFamily::k9x, "my Desktop"},
      {1, PlatformFamily::k9x, "my Programs\\Group"},
      {3, PlatformFamily::k9x, "my Startup"},
      {4, PlatformFamily::k9x, "my Send to"},
      {7, PlatformFamily::k9x, "my Start Menu\\Group"},
  };
  int number = 0;
  for (const auto& c : cases) {
    const std::string name = "Link" + std::to_string(number++);
    install::CreateShortcut("Group", name, target_, c.kind, "", c.family);
    EXPECT_TRUE(Exists(scratch_.File(std::string(c.folder) + "\\" + name + ".lnk")))
        << "kind " << c.kind << " in " << c.folder;
  }
  // The desktop, Startup and Send To links use no group folder.
  EXPECT_FALSE(Exists(scratch_.File("all Common Desktop\\Group")));
  EXPECT_FALSE(Exists(scratch_.File("my Send to\\Group")));
  EXPECT_FALSE(Exists(scratch_.File("all Common Startup\\Group")));
}

TEST_F(ShortcutTest, MissingGroupFolderIsCreatedWithItsParents) {
  install::CreateShortcut("Maker\\Melodies", "Editor", target_, 1, "", PlatformFamily::k9x);
  EXPECT_TRUE(Exists(scratch_.File("my Programs\\Maker\\Melodies\\Editor.lnk")));
}

TEST_F(ShortcutTest, WorkingFolderKeepsOnlyADrivesRootBackslash) {
  const struct {
    const char* target;
    const char* folder;
  } cases[] = {{"C:\\app.exe", "C:\\"},
               {"C:\\Apps\\app.exe", "C:\\Apps"},
               {"C:app.exe", "C:"},
               {"\\\\srv\\share\\a.exe", "\\\\srv\\share"},
               {"C:\\表\\a.exe", "C:\\表"},
               {"C:\\ソフト表", "C:\\"},
               {"app.exe", ""}};
  for (const auto& c : cases) EXPECT_EQ(install::WorkingFolderOf(c.target), c.folder) << c.target;
}

TEST_F(ShortcutTest, CreatingTheSameShortcutTwiceKeepsTheSecondContents) {
  install::CreateShortcut("", "Twice", target_, 0, "first", PlatformFamily::kNt);
  install::CreateShortcut("", "Twice", target_, 0, "second", PlatformFamily::kNt);
  EXPECT_EQ(ReadLink(scratch_.File("all Common Desktop\\Twice.lnk")).arguments, "second");
}

TEST_F(ShortcutTest, UnwritableLinkFolderIsNotReported) {
  values_[0]->Set(scratch_.File("missing desktop"));
  EXPECT_NO_THROW(install::CreateShortcut("", "Lost", target_, 0, "", PlatformFamily::kNt));
  EXPECT_FALSE(Exists(scratch_.File("missing desktop")));
}

}  // namespace
