#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "tests/wine/install/RegistryOverride.h"

namespace {

using install::PlatformFamily;
using install_tests::kCurrentVersionKey;
using install_tests::kShellFoldersKey;
using install_tests::RegistryOverride;
using install_tests::SystemAnswer;

constexpr PlatformFamily kFamilies[] = {PlatformFamily::kNt, PlatformFamily::k9x};

UINT FailingQuery(LPWSTR, UINT) {
  return 0;
}

TEST(SystemFoldersTest, WineIsReportedAsTheNtFamily) {
  EXPECT_EQ(install::RunningPlatformFamily(), PlatformFamily::kNt);
}

TEST(SystemFoldersTest, WindowsAndSystemFoldersAreTheSystemsAnswersOnBothFamilies) {
  for (PlatformFamily family : kFamilies) {
    EXPECT_EQ(install::GetWindowsDir(family), SystemAnswer(::GetWindowsDirectoryW));
    EXPECT_EQ(install::GetSystemDir(family), SystemAnswer(::GetSystemDirectoryW));
  }
}

TEST(SystemFoldersTest, FailedFolderQueriesFallBackPerFamily) {
  const struct {
    PlatformFamily family;
    const char* windows;
    const char* system;
  } cases[] = {{PlatformFamily::kNt, "C:\\WINNT", "C:\\WINNT\\System32"},
               {PlatformFamily::k9x, "C:\\WINDOWS", "C:\\Windows\\System"}};
  for (const auto& c : cases) {
    EXPECT_EQ(install::GetWindowsDir(c.family, FailingQuery), c.windows);
    EXPECT_EQ(install::GetSystemDir(c.family, FailingQuery), c.system);
  }
}

TEST(SystemFoldersTest, QueriedFolderIsCutAtItsFirstZero) {
  const auto query = [](LPWSTR buffer, UINT size) -> UINT {
    EXPECT_EQ(size, 261u);
    const wchar_t text[] = L"D:\\OS\0junk";
    for (UINT i = 0; i < sizeof(text) / sizeof(wchar_t); ++i) buffer[i] = text[i];
    return 5;
  };
  EXPECT_EQ(install::QueryFolder(query, "fallback"), "D:\\OS");
  EXPECT_EQ(install::QueryFolder(FailingQuery, "fallback"), "fallback");
}

TEST(SystemFoldersTest, DosCommandFolderIsWindowsOnNtAndItsCommandFolderOn9x) {
  const std::string windows = SystemAnswer(::GetWindowsDirectoryW);
  EXPECT_EQ(install::GetDosCommandDir(PlatformFamily::kNt), windows);
  EXPECT_EQ(install::GetDosCommandDir(PlatformFamily::k9x), windows + "\\Command");
}

TEST(SystemFoldersTest, SystemRootIsTheWindowsDriveWithBackslash) {
  const std::string windows = SystemAnswer(::GetWindowsDirectoryW);
  for (PlatformFamily family : kFamilies) {
    EXPECT_EQ(install::GetSystemRootDir(family), windows.substr(0, 2) + "\\");
  }
}

TEST(SystemFoldersTest, DrivePartOfLetteredAndNetworkPaths) {
  const struct {
    const char* path;
    const char* drive;
  } cases[] = {{"C:\\WINDOWS", "C:"},
               {"d:", "d:"},
               {"\\\\server\\share\\WINNT", "\\\\server\\share"},
               {"\\\\server\\share", "\\\\server\\share"},
               {"\\\\サーバ\\表\\WINNT", "\\\\サーバ\\表"},
               {"WINDOWS", ""}};
  for (const auto& c : cases) EXPECT_EQ(install::ExtractFileDrive(c.path), c.drive) << c.path;
}

TEST(SystemFoldersTest, ProgramFilesFolderIsTheStoredValueUnexpandedOrEmpty) {
  RegistryOverride value(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
  value.Set("E:\\アプリ");
  EXPECT_EQ(install::GetProgramFilesDir(), "E:\\アプリ");
  value.Set("%SystemDrive%\\Programs", REG_EXPAND_SZ);
  EXPECT_EQ(install::GetProgramFilesDir(), "%SystemDrive%\\Programs");
  value.Remove();
  EXPECT_EQ(install::GetProgramFilesDir(), "");
}

TEST(SystemFoldersTest, ProgramFilesValueOfAnotherTypeRaisesTheRegistryError) {
  RegistryOverride value(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
  value.SetNumber(7);
  try {
    install::GetProgramFilesDir();
    FAIL() << "no error";
  } catch (const install::RegistryError& error) {
    EXPECT_STREQ(error.what(), "'ProgramFilesDir' のデータ型が不正です");
  }
}

// Every "Shell Folders" value the table names, set to a marker of its own for
// one test.
class ShellFoldersTest : public ::testing::Test {
 protected:
  static constexpr const char* kCommonNames[] = {"Common Desktop", "Common Programs",
                                                 "Common Start Menu", "Common Startup", "Send to"};
  static constexpr const char* kUserNames[] = {"Desktop", "Programs", "Start Menu", "Startup",
                                               "Send to"};

  void SetUp() override {
    for (const char* name : kCommonNames) {
      common_.emplace_back(
          std::make_unique<RegistryOverride>(HKEY_LOCAL_MACHINE, kShellFoldersKey, name));
      common_.back()->Set(std::string("C:\\common\\") + name);
    }
    for (const char* name : kUserNames) {
      user_.emplace_back(
          std::make_unique<RegistryOverride>(HKEY_CURRENT_USER, kShellFoldersKey, name));
      user_.back()->Set(std::string("C:\\user\\") + name);
    }
  }

  std::vector<std::unique_ptr<RegistryOverride>> common_;
  std::vector<std::unique_ptr<RegistryOverride>> user_;
};

TEST_F(ShellFoldersTest, EachKindReadsItsValueOnBothFamilies) {
  const struct {
    int kind;
    const char* nt;
    const char* x9;
  } cases[] = {
      {0, "C:\\common\\Common Desktop", "C:\\user\\Desktop"},
      {1, "C:\\common\\Common Programs", "C:\\user\\Programs"},
      {2, "C:\\common\\Common Start Menu", "C:\\user\\Start Menu"},
      {3, "C:\\common\\Common Startup", "C:\\user\\Startup"},
      {4, "C:\\user\\Send to", "C:\\user\\Send to"},
      {5, "C:\\common\\Common Start Menu", "C:\\user\\Start Menu"},
      {7, "C:\\common\\Common Start Menu", "C:\\user\\Start Menu"},
      {9, "C:\\common\\Common Start Menu", "C:\\user\\Start Menu"},
      {-1, "C:\\common\\Common Start Menu", "C:\\user\\Start Menu"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(install::GetShellFolder(c.kind, PlatformFamily::kNt), c.nt) << c.kind;
    EXPECT_EQ(install::GetCommonShellFolder(c.kind), c.nt) << c.kind;
    EXPECT_EQ(install::GetShellFolder(c.kind, PlatformFamily::k9x), c.x9) << c.kind;
    EXPECT_EQ(install::GetUserShellFolder(c.kind), c.x9) << c.kind;
  }
}

TEST_F(ShellFoldersTest, MissingValueGivesAnEmptyFolder) {
  common_[0]->Remove();
  user_[3]->Remove();
  EXPECT_EQ(install::GetShellFolder(0, PlatformFamily::kNt), "");
  EXPECT_EQ(install::GetShellFolder(3, PlatformFamily::k9x), "");
  EXPECT_EQ(install::GetShellFolder(0, PlatformFamily::k9x), "C:\\user\\Desktop");
}

}  // namespace
