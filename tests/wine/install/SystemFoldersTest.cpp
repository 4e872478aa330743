#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "install/QvRegAPI/Registry.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "tests/wine/install/RegistryOverride.h"
#include "toolkit/Text.h"

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
    const wchar_t* windows;
    const wchar_t* system;
  } cases[] = {{PlatformFamily::kNt, L"C:\\WINNT", L"C:\\WINNT\\System32"},
               {PlatformFamily::k9x, L"C:\\WINDOWS", L"C:\\Windows\\System"}};
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
  EXPECT_EQ(install::QueryFolder(query, L"fallback"), L"D:\\OS");
  EXPECT_EQ(install::QueryFolder(FailingQuery, L"fallback"), L"fallback");
}

TEST(SystemFoldersTest, DosCommandFolderIsWindowsOnNtAndItsCommandFolderOn9x) {
  const std::wstring windows = SystemAnswer(::GetWindowsDirectoryW);
  EXPECT_EQ(install::GetDosCommandDir(PlatformFamily::kNt), windows);
  EXPECT_EQ(install::GetDosCommandDir(PlatformFamily::k9x), windows + L"\\Command");
}

TEST(SystemFoldersTest, SystemRootIsTheWindowsDriveWithBackslash) {
  const std::wstring windows = SystemAnswer(::GetWindowsDirectoryW);
  for (PlatformFamily family : kFamilies) {
    EXPECT_EQ(install::GetSystemRootDir(family), windows.substr(0, 2) + L"\\");
  }
}

TEST(SystemFoldersTest, DrivePartOfLetteredAndNetworkPaths) {
  const struct {
    const wchar_t* path;
    const wchar_t* drive;
  } cases[] = {{L"C:\\WINDOWS", L"C:"},
               {L"d:", L"d:"},
               {L"\\\\server\\share\\WINNT", L"\\\\server\\share"},
               {L"\\\\server\\share", L"\\\\server\\share"},
               {L"\\\\サーバ\\表\\WINNT", L"\\\\サーバ\\表"},
               {L"WINDOWS", L""}};
  for (const auto& c : cases) EXPECT_EQ(install::ExtractFileDrive(c.path), c.drive) << c.path;
}

TEST(SystemFoldersTest, ProgramFilesFolderIsTheStoredValueUnexpandedOrEmpty) {
  RegistryOverride value(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
  value.SetPath(L"E:\\アプリ");
  EXPECT_EQ(install::GetProgramFilesDir(), L"E:\\アプリ");
  value.SetPath(L"%SystemDrive%\\Programs", REG_EXPAND_SZ);
  EXPECT_EQ(install::GetProgramFilesDir(), L"%SystemDrive%\\Programs");
  value.Remove();
  EXPECT_EQ(install::GetProgramFilesDir(), L"");
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
                                                 "Common Start Menu", "Common Startup", "SendTo"};
  static constexpr const char* kUserNames[] = {"Desktop", "Programs", "Start Menu", "Startup",
                                               "SendTo"};

  void SetUp() override {
    for (const char* name : kCommonNames) {
      common_.emplace_back(
          std::make_unique<RegistryOverride>(HKEY_LOCAL_MACHINE, kShellFoldersKey, name));
      common_.back()->SetPath(L"C:\\common\\" + toolkit::Widen(name));
    }
    for (const char* name : kUserNames) {
      user_.emplace_back(
          std::make_unique<RegistryOverride>(HKEY_CURRENT_USER, kShellFoldersKey, name));
      user_.back()->SetPath(L"C:\\user\\" + toolkit::Widen(name));
    }
  }

  std::vector<std::unique_ptr<RegistryOverride>> common_;
  std::vector<std::unique_ptr<RegistryOverride>> user_;
};

TEST_F(ShellFoldersTest, EachKindReadsItsValueOnBothFamilies) {
  const struct {
    int kind;
    const wchar_t* nt;
    const wchar_t* x9;
  } cases[] = {
      {0, L"C:\\common\\Common Desktop", L"C:\\user\\Desktop"},
      {1, L"C:\\common\\Common Programs", L"C:\\user\\Programs"},
      {2, L"C:\\common\\Common Start Menu", L"C:\\user\\Start Menu"},
      {3, L"C:\\common\\Common Startup", L"C:\\user\\Startup"},
      {4, L"C:\\user\\SendTo", L"C:\\user\\SendTo"},
      {5, L"C:\\common\\Common Start Menu", L"C:\\user\\Start Menu"},
      {7, L"C:\\common\\Common Start Menu", L"C:\\user\\Start Menu"},
      {9, L"C:\\common\\Common Start Menu", L"C:\\user\\Start Menu"},
      {-1, L"C:\\common\\Common Start Menu", L"C:\\user\\Start Menu"},
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
  EXPECT_EQ(install::GetShellFolder(0, PlatformFamily::kNt), L"");
  EXPECT_EQ(install::GetShellFolder(3, PlatformFamily::k9x), L"");
  EXPECT_EQ(install::GetShellFolder(0, PlatformFamily::k9x), L"C:\\user\\Desktop");
}

}  // namespace
