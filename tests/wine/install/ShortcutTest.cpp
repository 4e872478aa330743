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
#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Com.h"
#include "toolkit/FileError.h"
#include "toolkit/Text.h"

namespace {

using install::PlatformFamily;
using install_tests::kShellFoldersKey;
using install_tests::RegistryOverride;
using testing_support::ScratchFolder;
using testing_support::WideErrorMessageOf;

struct LinkContents {
  std::wstring path;
  std::string arguments;
  std::wstring workingFolder;
  std::string description;
};

// Loads a link file through the shell's own link object. The texts come in
// through its ANSI interface: in the test prefix the ANSI code page is 932,
// so they come back as the very bytes the installer keeps, without the
// toolkit's conversion in between. The path and the working folder come in
// through its wide interface, in UTF-16 as the installer keeps them.
LinkContents ReadLink(const std::wstring& file) {
  LinkContents contents;
  EXPECT_EQ(::GetACP(), 932u);
  toolkit::ComPtr<IShellLinkA> link;
  EXPECT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(link.Put()))));
  if (!link) return contents;
  const toolkit::ComPtr<IPersistFile> persist = link.As<IPersistFile>();
  EXPECT_TRUE(SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) << file;
  const toolkit::ComPtr<IShellLinkW> wideLink = link.As<IShellLinkW>();
  EXPECT_TRUE(wideLink);
  if (wideLink) {
    wchar_t path[MAX_PATH] = {};
    wideLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
    contents.path = path;
    path[0] = L'\0';
    wideLink->GetWorkingDirectory(path, MAX_PATH);
    contents.workingFolder = path;
  }
  char buffer[MAX_PATH * 2] = {};
  link->GetArguments(buffer, MAX_PATH * 2);
  contents.arguments = buffer;
  buffer[0] = '\0';
  link->GetDescription(buffer, MAX_PATH * 2);
  contents.description = buffer;
  return contents;
}

bool Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Points every "Shell Folders" value at a folder of its own inside a scratch
// folder, for one test.
class ShortcutTest : public ::testing::Test {
 protected:
  static constexpr const char* kCommonNames[] = {"Common Desktop", "Common Programs",
                                                 "Common Start Menu", "Common Startup"};
  static constexpr const char* kUserNames[] = {"Desktop", "Programs", "Start Menu", "Startup",
                                               "SendTo"};

  void SetUp() override {
    ASSERT_TRUE(com_.Succeeded());
    // Each folder is named after its value: "all Common Desktop", "my SendTo".
    for (const char* name : kCommonNames) {
      Point(HKEY_LOCAL_MACHINE, name, L"all " + toolkit::Widen(name));
    }
    for (const char* name : kUserNames) {
      Point(HKEY_CURRENT_USER, name, L"my " + toolkit::Widen(name));
    }
    MakeFolder(scratch_.File(L"app"));
    target_ = scratch_.File(L"app\\メロパッド.exe");
    testing_support::WriteBytes(target_, {'M', 'Z'});
  }

  void Point(HKEY root, const std::string& name, const std::wstring& folder) {
    values_.push_back(std::make_unique<RegistryOverride>(root, kShellFoldersKey, name));
    values_.back()->SetPath(scratch_.File(folder));
    MakeFolder(scratch_.File(folder));
  }

  static void MakeFolder(const std::wstring& path) {
    ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr)) << path;
  }

  toolkit::ComInitialization com_;
  ScratchFolder scratch_;
  std::vector<std::unique_ptr<RegistryOverride>> values_;
  std::wstring target_;
};

TEST_F(ShortcutTest, LinkStoresPathArgumentsWorkingFolderAndDescription) {
  install::CreateShortcut("メロディ表", "メロパッド表", target_, 1, "/SONGS \"ソ.als\"",
                          PlatformFamily::kNt);
  const std::wstring file = scratch_.File(L"all Common Programs\\メロディ表\\メロパッド表.lnk");
  ASSERT_TRUE(Exists(file));
  const LinkContents link = ReadLink(file);
  EXPECT_EQ(link.path, target_);
  EXPECT_EQ(link.arguments, "/SONGS \"ソ.als\"");
  EXPECT_EQ(link.workingFolder, scratch_.File(L"app"));
  EXPECT_EQ(link.description, "メロパッド表");
}

TEST_F(ShortcutTest, KindAndFamilyChooseTheLinkFolder) {
  const struct {
    int kind;
    PlatformFamily family;
    const wchar_t* folder;
  } cases[] = {
      {0, PlatformFamily::kNt, L"all Common Desktop"},
      {1, PlatformFamily::kNt, L"all Common Programs\\Group"},
      {2, PlatformFamily::kNt, L"all Common Start Menu\\Group"},
      {3, PlatformFamily::kNt, L"all Common Startup"},
      {4, PlatformFamily::kNt, L"my SendTo"},
      {5, PlatformFamily::kNt, L"all Common Start Menu\\Group"},
      {9, PlatformFamily::kNt, L"all Common Start Menu\\Group"},
      {0, PlatformFamily::k9x, L"my Desktop"},
      {1, PlatformFamily::k9x, L"my Programs\\Group"},
      {3, PlatformFamily::k9x, L"my Startup"},
      {4, PlatformFamily::k9x, L"my SendTo"},
      {7, PlatformFamily::k9x, L"my Start Menu\\Group"},
  };
  int number = 0;
  for (const auto& c : cases) {
    // The link's name as the script writes it, and as its file is named.
    const std::string name = "Link" + std::to_string(number);
    const std::wstring fileName = L"Link" + std::to_wstring(number) + L".lnk";
    ++number;
    install::CreateShortcut("Group", name, target_, c.kind, "", c.family);
    EXPECT_TRUE(Exists(scratch_.File(std::wstring(c.folder) + L"\\" + fileName)))
        << "kind " << c.kind << " in " << c.folder;
  }
  // The desktop, Startup and Send To links use no group folder.
  EXPECT_FALSE(Exists(scratch_.File(L"all Common Desktop\\Group")));
  EXPECT_FALSE(Exists(scratch_.File(L"my SendTo\\Group")));
  EXPECT_FALSE(Exists(scratch_.File(L"all Common Startup\\Group")));
}

TEST_F(ShortcutTest, MissingGroupFolderIsCreatedWithItsParents) {
  install::CreateShortcut("Maker\\Melodies", "Editor", target_, 1, "", PlatformFamily::k9x);
  EXPECT_TRUE(Exists(scratch_.File(L"my Programs\\Maker\\Melodies\\Editor.lnk")));
}

TEST_F(ShortcutTest, WorkingFolderKeepsOnlyADrivesRootBackslash) {
  const struct {
    const wchar_t* target;
    const wchar_t* folder;
  } cases[] = {{L"C:\\app.exe", L"C:\\"},
               {L"C:\\Apps\\app.exe", L"C:\\Apps"},
               {L"C:app.exe", L"C:"},
               {L"\\\\srv\\share\\a.exe", L"\\\\srv\\share"},
               {L"C:\\表\\a.exe", L"C:\\表"},
               {L"C:\\ソフト表", L"C:\\"},
               {L"app.exe", L""}};
  for (const auto& c : cases) EXPECT_EQ(install::WorkingFolderOf(c.target), c.folder) << c.target;
}

TEST_F(ShortcutTest, CreatingTheSameShortcutTwiceKeepsTheSecondContents) {
  install::CreateShortcut("", "Twice", target_, 0, "first", PlatformFamily::kNt);
  install::CreateShortcut("", "Twice", target_, 0, "second", PlatformFamily::kNt);
  EXPECT_EQ(ReadLink(scratch_.File(L"all Common Desktop\\Twice.lnk")).arguments, "second");
}

TEST_F(ShortcutTest, AnUnwritableLinkFolderIsReportedWithTheLinksPath) {
  values_[0]->SetPath(scratch_.File(L"missing desktop"));
  EXPECT_EQ(WideErrorMessageOf(
                [&] { install::CreateShortcut("", "Lost", target_, 0, "", PlatformFamily::kNt); }),
            L"ファイル " + scratch_.File(L"missing desktop") + L"\\Lost.lnk を作成できません");
  EXPECT_FALSE(Exists(scratch_.File(L"missing desktop")));
}

// Without its folder a link used to be written at the root of the current
// drive.
TEST_F(ShortcutTest, AMissingShellFolderIsAnErrorAndNothingIsWritten) {
  values_[0]->Remove();
  EXPECT_THROW(install::CreateShortcut("", "Nowhere", target_, 0, "", PlatformFamily::kNt),
               toolkit::FileError);
  EXPECT_FALSE(Exists(L"\\Nowhere.lnk"));
}

}  // namespace
