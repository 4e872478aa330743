#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/QvSystemAPI/FolderVariables.h"
#include "install/QvSystemAPI/OldVersionSearch.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"

namespace {

using install::PlatformFamily;
using install_tests::kCurrentVersionKey;
using install_tests::RegistryOverride;
using install_tests::SystemAnswer;
using testing_support::ScratchFolder;

void NoMessages() {}

std::wstring Expand(const std::string& folderPath, PlatformFamily family) {
  return install::ExpandFolderVariable(folderPath, family, NoMessages);
}

void MakeFolder(const std::wstring& path) {
  ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr)) << path;
}

void MakeFile(const std::wstring& path) {
  testing_support::WriteBytes(path, {'x'});
}

// The names of a folder as the system lists them, "." and ".." left out.
std::vector<std::wstring> Listing(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE find = ::FindFirstFileW((folder + L"\\*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  return names;
}

class FolderVariablesTest : public ::testing::Test {
 protected:
  FolderVariablesTest() { programFiles_.SetPath(L"P:\\Program Files"); }

  const std::wstring windows_ = SystemAnswer(::GetWindowsDirectoryW);
  const std::wstring system_ = SystemAnswer(::GetSystemDirectoryW);
  RegistryOverride programFiles_{HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir"};
};

TEST_F(FolderVariablesTest, EveryVariableExpandsOnBothFamilies) {
  const std::wstring root = windows_.substr(0, 2) + L"\\";
  const struct {
    std::string folderPath;
    std::wstring nt;
    std::wstring x9;
  } cases[] = {
      {"%WINDIR%\\App", windows_ + L"\\App", windows_ + L"\\App"},
      {"%windir%\\App", windows_ + L"\\App", windows_ + L"\\App"},
      {"%WINDIR%\\", windows_ + L"\\", windows_ + L"\\"},
      {"%WINDIR%", windows_ + L"\\%WINDIR%", windows_ + L"\\%WINDIR%"},
      {"%SYSTEMDIR%\\Lib\\表", system_ + L"\\Lib\\表", system_ + L"\\Lib\\表"},
      {"%PROGRAMFILESDIR%\\Maker\\ツール", L"P:\\Program Files\\Maker\\ツール",
       L"P:\\Program Files\\Maker\\ツール"},
      {"%DOSCOMMANDDIR%\\Bin", windows_ + L"\\Bin", windows_ + L"\\Command\\Bin"},
      {"%SYSTEMROOTDIR%\\Apps", root + L"Apps", root + L"Apps"},
      {"%ABSOLUTE%\\D:\\Tools", L"D:\\Tools", L"D:\\Tools"},
      {"D:\\Tools\\App", L"Tools\\App", L"Tools\\App"},
      {"NoBackslash", L"NoBackslash", L"NoBackslash"},
      {"Other\\%SYSTEMDIR%\\%WINDIR%\\x", windows_ + L"\\%SYSTEMDIR%\\%WINDIR%\\x",
       windows_ + L"\\%SYSTEMDIR%\\%WINDIR%\\x"},
      {"%ABSOLUTE%%SYSTEMROOTDIR%\\A", root + L"A", root + L"A"},
      {"%REGISTRY%%ABSOLUTE%\\C:\\A", L"C:\\A", L"C:\\A"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Expand(c.folderPath, PlatformFamily::kNt), c.nt) << c.folderPath;
    EXPECT_EQ(Expand(c.folderPath, PlatformFamily::k9x), c.x9) << c.folderPath;
  }
}

TEST_F(FolderVariablesTest, ShiftJisSecondByteBackslashIsNotTheFirstSeparator) {
  // "表" ends in 0x5C; rest begins after the real backslash.
  EXPECT_EQ(Expand("表%WINDIR%\\A", PlatformFamily::kNt), windows_ + L"\\A");
  EXPECT_EQ(Expand("%ABSOLUTE%表\\C:\\ソ", PlatformFamily::kNt), L"C:\\ソ");
}

TEST_F(FolderVariablesTest, MissingProgramFilesValueLeavesABackslashAndTheRest) {
  programFiles_.Remove();
  EXPECT_EQ(Expand("%PROGRAMFILESDIR%\\App", PlatformFamily::kNt), L"\\App");
}

class RegistryVariableTest : public ::testing::Test {
 protected:
  ~RegistryVariableTest() override {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
      ::RegDeleteTreeW(root, L"Software\\InstallFolderTests");
    }
  }

  static void Write(HKEY root, const std::string& key, const std::string& name,
                    const std::wstring& text) {
    HKEY raw = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(root, toolkit::Widen(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(raw, toolkit::Widen(name).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(raw);
  }
};

TEST_F(RegistryVariableTest, ReadsTheNamedValueBelowTheNamedRoot) {
  Write(HKEY_LOCAL_MACHINE, "Software\\InstallFolderTests\\Maker\\Tool", "Path", L"C:\\機械");
  Write(HKEY_CURRENT_USER, "Software\\InstallFolderTests\\Maker\\Tool", "Path", L"C:\\User");
  Write(HKEY_CURRENT_USER, "Software\\InstallFolderTests\\Maker\\Tool", "", L"C:\\Default");
  Write(HKEY_CLASSES_ROOT, "Software\\InstallFolderTests\\Maker\\Tool", "Path", L"C:\\Classes");
  const struct {
    const char* folderPath;
    const wchar_t* expected;
  } cases[] = {
      {"%REGISTRY%\\HKEY_LOCAL_MACHINE\\Software\\InstallFolderTests\\Maker\\Tool\\Path",
       L"C:\\機械"},
      {"%registry%\\hkey_current_user\\Software\\InstallFolderTests\\Maker\\Tool\\Path",
       L"C:\\User"},
      {"%REGISTRY%\\HKEY_CLASSES_ROOT\\Software\\InstallFolderTests\\Maker\\Tool\\Path",
       L"C:\\Classes"},
      {"%REGISTRY%\\HKEY_CURRENT_USER\\Software\\InstallFolderTests\\Maker\\Tool\\",
       L"C:\\Default"},
      {"%REGISTRY%\\HKEY_CURRENT_USER\\Software\\InstallFolderTests\\Maker\\Tool\\Missing", L""},
      {"%REGISTRY%\\HKEY_CURRENT_USER\\Software\\InstallFolderTests\\NoKey\\Path", L""},
      // Other root names read from HKEY_CURRENT_CONFIG, where the key is missing.
      {"%REGISTRY%\\HKCU\\Software\\InstallFolderTests\\Maker\\Tool\\Path", L""},
      {"%REGISTRY%\\HKEY_USERS\\Software\\InstallFolderTests\\Maker\\Tool\\Path", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(install::ExpandFolderVariable(c.folderPath, PlatformFamily::kNt, NoMessages),
              c.expected)
        << c.folderPath;
  }
}

TEST_F(RegistryVariableTest, ValueOfAnotherTypeGivesEmptyText) {
  HKEY raw = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\InstallFolderTests\\Num", 0, nullptr,
                              0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 5;
  ::RegSetValueExW(raw, L"N", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
  ::RegCloseKey(raw);
  EXPECT_EQ(
      install::ReadRegistryVariable("HKEY_CURRENT_USER\\Software\\InstallFolderTests\\Num\\N"),
      L"");
}

// Folders below the searched root come back under the upper-cased names the
// search walks them by.
class OldVersionSearchTest : public ::testing::Test {
 protected:
  std::wstring Path(const std::wstring& relative) const {
    return scratch_.Path() + L"\\" + relative;
  }
  std::wstring Find(const std::wstring& name) const {
    return install::FindFileFolder(scratch_.Path(), name, NoMessages);
  }
  ScratchFolder scratch_;
};

TEST_F(OldVersionSearchTest, NameMatchesInAnyCaseButTheExtensionOnlyAsWritten) {
  MakeFolder(Path(L"a"));
  MakeFolder(Path(L"b"));
  MakeFile(Path(L"a\\APP.EXE"));
  MakeFile(Path(L"b\\App.exe"));
  EXPECT_EQ(Find(L"app.exe"), Path(L"B"));
  EXPECT_EQ(Find(L"APP.EXE"), Path(L"A"));
  EXPECT_EQ(Find(L"app.dll"), L"");
}

TEST_F(OldVersionSearchTest, TempAndDllcacheAreSkippedUnlessTheNameHasNoExtension) {
  for (const std::wstring folder : {L"Temp", L"dllcache"}) {
    MakeFolder(Path(folder));
    MakeFile(Path(folder + L"\\tool.exe"));
    MakeFile(Path(folder + L"\\tool"));
  }
  EXPECT_EQ(Find(L"tool.exe"), L"");
  const std::wstring found = Find(L"tool");
  EXPECT_TRUE(found == Path(L"TEMP") || found == Path(L"DLLCACHE")) << found;
}

TEST_F(OldVersionSearchTest, TrailingBackslashOfTheRootIsDropped) {
  MakeFile(Path(L"ツール.exe"));
  EXPECT_EQ(install::FindFileFolder(scratch_.Path() + L"\\", L"ツール.exe", NoMessages),
            scratch_.Path());
}

TEST_F(OldVersionSearchTest, FolderNamedLikeTheFileIsSearchedNotTaken) {
  MakeFolder(Path(L"data.bin"));
  EXPECT_EQ(Find(L"data.bin"), L"");
  MakeFile(Path(L"data.bin\\data.bin"));
  EXPECT_EQ(Find(L"data.bin"), Path(L"DATA.BIN"));
}

TEST_F(OldVersionSearchTest, FirstListedEntryWinsDepthFirst) {
  MakeFolder(Path(L"sub"));
  MakeFile(Path(L"sub\\x.dll"));
  MakeFile(Path(L"x.dll"));
  // Whichever of the folder and the file the system lists first decides.
  std::wstring expected;
  for (const std::wstring& name : Listing(scratch_.Path())) {
    if (name == L"sub") {
      expected = Path(L"SUB");
      break;
    }
    if (name == L"x.dll") {
      expected = scratch_.Path();
      break;
    }
  }
  EXPECT_EQ(Find(L"x.dll"), expected);
}

TEST_F(OldVersionSearchTest, MessagesAreProcessedForEveryExaminedEntry) {
  MakeFolder(Path(L"sub"));
  MakeFile(Path(L"sub\\one.txt"));
  MakeFile(Path(L"sub\\two.txt"));
  MakeFile(Path(L"three.txt"));
  MakeFile(Path(L"other.dat"));
  int calls = 0;
  EXPECT_EQ(install::FindFileFolder(scratch_.Path(), L"none.txt", [&] { ++calls; }), L"");
  // sub, three.txt, and inside sub one.txt and two.txt; other.dat is not kept.
  EXPECT_EQ(calls, 4);
}

TEST_F(OldVersionSearchTest, UnlistableFolderFindsNothing) {
  EXPECT_EQ(install::FindFileFolder(Path(L"missing"), L"a.txt", NoMessages), L"");
}

TEST_F(OldVersionSearchTest, SearchFallsBackToTheProgramFilesTree) {
  RegistryOverride programFiles(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
  programFiles.SetPath(scratch_.Path());
  MakeFolder(Path(L"Maker"));
  // The file's name, and the same name as the script writes it.
  const std::wstring fileName =
      L"old-version-" + std::to_wstring(::GetCurrentProcessId()) + L".exe";
  const std::string name = "old-version-" + std::to_string(::GetCurrentProcessId()) + ".exe";
  MakeFile(Path(L"Maker\\" + fileName));
  for (PlatformFamily family : {PlatformFamily::kNt, PlatformFamily::k9x}) {
    EXPECT_EQ(install::SearchFileFolder(fileName, family, NoMessages), Path(L"MAKER"));
    EXPECT_EQ(install::ExpandFolderVariable("%SEARCHFILEDIR%\\" + name, family, NoMessages),
              Path(L"MAKER"));
  }
  EXPECT_EQ(install::ExpandFolderVariable("%SEARCHFILEDIR%\\nothing-" + name, PlatformFamily::kNt,
                                          NoMessages),
            L"");
}

}  // namespace
