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

std::string Expand(const std::string& folderPath, PlatformFamily family) {
  return install::ExpandFolderVariable(folderPath, family, NoMessages);
}

void MakeFolder(const std::string& path) {
  ASSERT_TRUE(::CreateDirectoryW(toolkit::Widen(path).c_str(), nullptr)) << path;
}

void MakeFile(const std::string& path) {
  testing_support::WriteBytes(path, {'x'});
}

// The names of a folder as the system lists them, "." and ".." left out.
std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  HANDLE find = ::FindFirstFileW(toolkit::Widen(folder + "\\*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(toolkit::Narrow(name));
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  return names;
}

class FolderVariablesTest : public ::testing::Test {
 protected:
  FolderVariablesTest() { programFiles_.Set("P:\\Program Files"); }

  const std::string windows_ = SystemAnswer(::GetWindowsDirectoryW);
  const std::string system_ = SystemAnswer(::GetSystemDirectoryW);
  RegistryOverride programFiles_{HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir"};
};

TEST_F(FolderVariablesTest, EveryVariableExpandsOnBothFamilies) {
  const std::string root = windows_.substr(0, 2) + "\\";
  const struct {
    std::string folderPath;
    std::string nt;
    std::string x9;
  } cases[] = {
      {"%WINDIR%\\App", windows_ + "\\App", windows_ + "\\App"},
      {"%windir%\\App", windows_ + "\\App", windows_ + "\\App"},
      {"%WINDIR%\\", windows_ + "\\", windows_ + "\\"},
      {"%WINDIR%", windows_ + "\\%WINDIR%", windows_ + "\\%WINDIR%"},
      {"%SYSTEMDIR%\\Lib\\表", system_ + "\\Lib\\表", system_ + "\\Lib\\表"},
      {"%PROGRAMFILESDIR%\\Maker\\ツール", "P:\\Program Files\\Maker\\ツール",
       "P:\\Program Files\\Maker\\ツール"},
      {"%DOSCOMMANDDIR%\\Bin", windows_ + "\\Bin", windows_ + "\\Command\\Bin"},
      {"%SYSTEMROOTDIR%\\Apps", root + "Apps", root + "Apps"},
      {"%ABSOLUTE%\\D:\\Tools", "D:\\Tools", "D:\\Tools"},
      {"D:\\Tools\\App", "Tools\\App", "Tools\\App"},
      {"NoBackslash", "NoBackslash", "NoBackslash"},
      {"Other\\%SYSTEMDIR%\\%WINDIR%\\x", windows_ + "\\%SYSTEMDIR%\\%WINDIR%\\x",
       windows_ + "\\%SYSTEMDIR%\\%WINDIR%\\x"},
      {"%ABSOLUTE%%SYSTEMROOTDIR%\\A", root + "A", root + "A"},
      {"%REGISTRY%%ABSOLUTE%\\C:\\A", "C:\\A", "C:\\A"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Expand(c.folderPath, PlatformFamily::kNt), c.nt) << c.folderPath;
    EXPECT_EQ(Expand(c.folderPath, PlatformFamily::k9x), c.x9) << c.folderPath;
  }
}

TEST_F(FolderVariablesTest, ShiftJisSecondByteBackslashIsNotTheFirstSeparator) {
  // "表" ends in 0x5C; rest begins after the real backslash.
  EXPECT_EQ(Expand("表%WINDIR%\\A", PlatformFamily::kNt), windows_ + "\\A");
  EXPECT_EQ(Expand("%ABSOLUTE%表\\C:\\ソ", PlatformFamily::kNt), "C:\\ソ");
}

TEST_F(FolderVariablesTest, MissingProgramFilesValueLeavesABackslashAndTheRest) {
  programFiles_.Remove();
  EXPECT_EQ(Expand("%PROGRAMFILESDIR%\\App", PlatformFamily::kNt), "\\App");
}

class RegistryVariableTest : public ::testing::Test {
 protected:
  ~RegistryVariableTest() override {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
      ::RegDeleteTreeW(root, L"Software\\InstallFolderTests");
    }
  }

  static void Write(HKEY root, const std::string& key, const std::string& name,
                    const std::string& text) {
    HKEY raw = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(root, toolkit::Widen(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const std::wstring wide = toolkit::Widen(text);
    ::RegSetValueExW(raw, toolkit::Widen(name).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(wide.c_str()),
                     static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(raw);
  }
};

TEST_F(RegistryVariableTest, ReadsTheNamedValueBelowTheNamedRoot) {
  Write(HKEY_LOCAL_MACHINE, "Software\\InstallFolderTests\\Maker\\Tool", "Path", "C:\\機械");
  Write(HKEY_CURRENT_USER, "Software\\InstallFolderTests\\Maker\\Tool", "Path", "C:\\User");
  Write(HKEY_CURRENT_USER, "Software\\InstallFolderTests\\Maker\\Tool", "", "C:\\Default");
  Write(HKEY_CLASSES_ROOT, "Software\\InstallFolderTests\\Maker\\Tool", "Path", "C:\\Classes");
  const struct {
    const char* folderPath;
    const char* expected;
  } cases[] = {
      {"%REGISTRY%\\HKEY_LOCAL_MACHINE\\Software\\InstallFolderTests\\Maker\\Tool\\Path",
       "C:\\機械"},
      {"%registry%\\hkey_current_user\\Software\\InstallFolderTests\\Maker\\Tool\\Path",
       "C:\\User"},
      {"%REGISTRY%\\HKEY_CLASSES_ROOT\\Software\\InstallFolderTests\\Maker\\Tool\\Path",
       "C:\\Classes"},
      {"%REGISTRY%\\HKEY_CURRENT_USER\\Software\\InstallFolderTests\\Maker\\Tool\\", "C:\\Default"},
      {"%REGISTRY%\\HKEY_CURRENT_USER\\Software\\InstallFolderTests\\Maker\\Tool\\Missing", ""},
      {"%REGISTRY%\\HKEY_CURRENT_USER\\Software\\InstallFolderTests\\NoKey\\Path", ""},
      // Other root names read from HKEY_CURRENT_CONFIG, where the key is missing.
      {"%REGISTRY%\\HKCU\\Software\\InstallFolderTests\\Maker\\Tool\\Path", ""},
      {"%REGISTRY%\\HKEY_USERS\\Software\\InstallFolderTests\\Maker\\Tool\\Path", ""},
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
      install::ReadRegistryVariable("HKEY_CURRENT_USER\\Software\\InstallFolderTests\\Num\\N"), "");
}

// Folders below the searched root come back under the upper-cased names the
// search walks them by.
class OldVersionSearchTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& relative) const { return scratch_.Path() + "\\" + relative; }
  std::string Find(const std::string& name) const {
    return install::FindFileFolder(scratch_.Path(), name, NoMessages);
  }
  ScratchFolder scratch_;
};

TEST_F(OldVersionSearchTest, NameMatchesInAnyCaseButTheExtensionOnlyAsWritten) {
  MakeFolder(Path("a"));
  MakeFolder(Path("b"));
  MakeFile(Path("a\\APP.EXE"));
  MakeFile(Path("b\\App.exe"));
  EXPECT_EQ(Find("app.exe"), Path("B"));
  EXPECT_EQ(Find("APP.EXE"), Path("A"));
  EXPECT_EQ(Find("app.dll"), "");
}

TEST_F(OldVersionSearchTest, TempAndDllcacheAreSkippedUnlessTheNameHasNoExtension) {
  for (const char* folder : {"Temp", "dllcache"}) {
    MakeFolder(Path(folder));
    MakeFile(Path(std::string(folder) + "\\tool.exe"));
    MakeFile(Path(std::string(folder) + "\\tool"));
  }
  EXPECT_EQ(Find("tool.exe"), "");
  const std::string found = Find("tool");
  EXPECT_TRUE(found == Path("TEMP") || found == Path("DLLCACHE")) << found;
}

TEST_F(OldVersionSearchTest, TrailingBackslashOfTheRootIsDropped) {
  MakeFile(Path("ツール.exe"));
  EXPECT_EQ(install::FindFileFolder(scratch_.Path() + "\\", "ツール.exe", NoMessages),
            scratch_.Path());
}

TEST_F(OldVersionSearchTest, FolderNamedLikeTheFileIsSearchedNotTaken) {
  MakeFolder(Path("data.bin"));
  EXPECT_EQ(Find("data.bin"), "");
  MakeFile(Path("data.bin\\data.bin"));
  EXPECT_EQ(Find("data.bin"), Path("DATA.BIN"));
}

TEST_F(OldVersionSearchTest, FirstListedEntryWinsDepthFirst) {
  MakeFolder(Path("sub"));
  MakeFile(Path("sub\\x.dll"));
  MakeFile(Path("x.dll"));
  // Whichever of the folder and the file the system lists first decides.
  std::string expected;
  for (const std::string& name : Listing(scratch_.Path())) {
    if (name == "sub") {
      expected = Path("SUB");
      break;
    }
    if (name == "x.dll") {
      expected = scratch_.Path();
      break;
    }
  }
  EXPECT_EQ(Find("x.dll"), expected);
}

TEST_F(OldVersionSearchTest, MessagesAreProcessedForEveryExaminedEntry) {
  MakeFolder(Path("sub"));
  MakeFile(Path("sub\\one.txt"));
  MakeFile(Path("sub\\two.txt"));
  MakeFile(Path("three.txt"));
  MakeFile(Path("other.dat"));
  int calls = 0;
  EXPECT_EQ(install::FindFileFolder(scratch_.Path(), "none.txt", [&] { ++calls; }), "");
  // sub, three.txt, and inside sub one.txt and two.txt; other.dat is not kept.
  EXPECT_EQ(calls, 4);
}

TEST_F(OldVersionSearchTest, UnlistableFolderFindsNothing) {
  EXPECT_EQ(install::FindFileFolder(Path("missing"), "a.txt", NoMessages), "");
}

TEST_F(OldVersionSearchTest, SearchFallsBackToTheProgramFilesTree) {
  RegistryOverride programFiles(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
  programFiles.Set(scratch_.Path());
  MakeFolder(Path("Maker"));
  const std::string name = "old-version-" + std::to_string(::GetCurrentProcessId()) + ".exe";
  MakeFile(Path("Maker\\" + name));
  for (PlatformFamily family : {PlatformFamily::kNt, PlatformFamily::k9x}) {
    EXPECT_EQ(install::SearchFileFolder(name, family, NoMessages), Path("MAKER"));
    EXPECT_EQ(install::ExpandFolderVariable("%SEARCHFILEDIR%\\" + name, family, NoMessages),
              Path("MAKER"));
  }
  EXPECT_EQ(install::ExpandFolderVariable("%SEARCHFILEDIR%\\nothing-" + name, PlatformFamily::kNt,
                                          NoMessages),
            "");
}

}  // namespace
