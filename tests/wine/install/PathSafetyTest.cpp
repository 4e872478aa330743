// The installer's paths lead only where the script or the system meant: no
// name turns into another through a code page, no spelling of a drive's root
// gets it emptied, a failed copy never costs the installed file, links are
// never followed, and system folders come back as the system names them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "install/QvSystemAPI/DeletablePaths.h"
#include "install/QvSystemAPI/Files.h"
#include "install/QvSystemAPI/FolderVariables.h"
#include "install/QvSystemAPI/OldVersionSearch.h"
#include "install/QvSystemAPI/SystemFolders.h"
#include "install/installsystem/installsystem.h"
#include "tests/wine/install/RegistryOverride.h"
#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/FolderLinks.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/FileError.h"
#include "toolkit/FileSystem.h"

namespace {

using install::PlatformFamily;
using testing_support::FolderLink;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WideErrorMessageOf;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

bool Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::wstring& path) {
  ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr)) << path;
}

std::vector<std::wstring> NamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const toolkit::FolderEntry& entry : toolkit::ListFolder(folder)) names.push_back(entry.name);
  return names;
}

Bytes Pattern(std::size_t size, std::uint8_t seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 13 + seed);
  return bytes;
}

TEST(DeletablePath, OnlyFullPathsBelowAVolumeOrShareRootPass) {
  const struct {
    const wchar_t* path;
    std::optional<std::wstring> deletable;
  } cases[] = {
      {L"", std::nullopt},
      {L"\\", std::nullopt},
      {L"\\windows", std::nullopt},
      {L"windows\\temp", std::nullopt},
      {L"C:", std::nullopt},
      {L"C:windows", std::nullopt},
      {L"C:\\", std::nullopt},
      {L"c:/", std::nullopt},
      {L"C:\\.", std::nullopt},
      {L"C:\\.\\", std::nullopt},
      {L"C:\\windows\\..", std::nullopt},
      {L"C:/windows/system32/../..//", std::nullopt},
      {L"\\\\server\\share", std::nullopt},
      {L"\\\\server\\share\\", std::nullopt},
      {L"\\\\?\\C:\\windows\\temp", std::nullopt},
      {L"\\\\.\\C:", std::nullopt},
      {L"C:\\windows\\temp", L"C:\\windows\\temp"},
      {L"c:/windows/./sub/../temp", L"c:\\windows\\temp"},
  };
  for (const auto& c : cases) EXPECT_EQ(install::DeletablePath(c.path), c.deletable) << c.path;
}

TEST(DeleteFolderTree, NoSpellingOfADrivesRootEmptiesTheDrive) {
  ScratchFolder folder;
  MakeFolder(folder.File(L"sub"));
  WriteBytes(folder.File(L"one.txt"), Pattern(3, 1));
  WriteBytes(folder.File(L"sub\\two.txt"), Pattern(3, 2));
  const testing_support::MappedDrive mapped(folder.Path());
  ASSERT_FALSE(mapped.Drive().empty()) << "no drive letter could be mapped";
  ASSERT_TRUE(Exists(mapped.Drive() + L"\\one.txt"));
  const std::wstring drive = mapped.Drive();
  std::wstring lower = drive;
  lower[0] = static_cast<wchar_t>(lower[0] - L'A' + L'a');
  for (const std::wstring& root :
       {drive + L"\\", drive, lower + L"\\", lower, drive + L"/", drive + L"\\.", drive + L"\\.\\",
        drive + L"\\sub\\..", lower + L"/sub/../", drive + L"\\sub\\..\\.."}) {
    install::DeleteFolderTree(root, {}, false);
    EXPECT_TRUE(Exists(folder.File(L"one.txt"))) << root;
    EXPECT_TRUE(Exists(folder.File(L"sub\\two.txt"))) << root;
  }
}

// "¥" is U+00A5; narrowed to code page 932 it became "\", and this folder
// name became a path up and out of the tree.
TEST(DeleteFolderTree, ANameWithYenSignsIsDeletedAsItselfAndNothingBesideIt) {
  ScratchFolder folder;
  MakeFolder(folder.File(L"victim"));
  WriteBytes(folder.File(L"victim\\precious.txt"), Pattern(9, 3));
  const std::wstring top = folder.File(L"top");
  const std::wstring yen = top + L"\\a\u00a5..\u00a5..\u00a5victim";
  MakeFolder(top);
  MakeFolder(yen);
  WriteBytes(yen + L"\\inside.txt", Pattern(2, 4));

  install::DeleteFolderTree(top, {}, false);

  EXPECT_EQ(ReadBytes(folder.File(L"victim\\precious.txt")), Pattern(9, 3));
  EXPECT_FALSE(Exists(top));
}

// Whatever goes wrong, the file installed before stays as it was and no
// partial copy is left beside it.
TEST(InstallFileToFolder, AFailedCopyKeepsTheInstalledFile) {
  struct Case {
    const char* what;
    bool sourceExists;
    int failingRead;   // which read fails, -1 for none
    int failingWrite;  // which write comes out short, -1 for none
    bool openError;    // the source's error, else the destination's
  };
  const Case cases[] = {
      {"missing source over an unversioned file", false, -1, -1, true},
      {"read failing after the first block", true, 1, -1, true},
      {"read failing at once", true, 0, -1, true},
      {"short write (full disk)", true, -1, 2, false},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    MakeFolder(folder.File(L"dst"));
    const std::wstring source = folder.File(L"app.dat");
    const std::wstring installed = folder.File(L"dst\\app.dat");
    if (c.sourceExists) WriteBytes(source, Pattern(3 * 8192 + 5, 5));
    WriteBytes(installed, Pattern(100, 6));
    int reads = 0;
    int writes = 0;
    install::BlockTransfer transfer = install::SystemBlockTransfer();
    const auto read = transfer.read;
    const auto write = transfer.write;
    transfer.read = [&](HANDLE file, std::span<std::uint8_t> buffer, DWORD& count) {
      return reads++ != c.failingRead && read(file, buffer, count);
    };
    transfer.write = [&](HANDLE file, std::span<const std::uint8_t> block) {
      return write(file, writes++ == c.failingWrite ? block.first(1) : block);
    };

    const std::wstring message = WideErrorMessageOf([&] {
      if (c.failingRead < 0 && c.failingWrite < 0) {
        install::InstallFileToFolder(source, folder.File(L"dst"), false);
      } else {
        install::CopyFileTo(source, folder.File(L"dst"), transfer);
      }
    });

    EXPECT_EQ(message, c.openError ? L"ファイル " + source + L" は開けません"
                                   : L"ファイル " + installed + L" を作成できません")
        << c.what;
    EXPECT_EQ(ReadBytes(installed), Pattern(100, 6)) << c.what;
    EXPECT_EQ(NamesIn(folder.File(L"dst")), std::vector<std::wstring>{L"app.dat"}) << c.what;
  }
}

// A package unpacked into its final folder installs its files onto
// themselves; however the folder is spelt, they stay as they are.
TEST(InstallFileToFolder, AFileInstalledOntoItselfStaysAsItIs) {
  ScratchFolder folder;
  const std::wstring file = folder.File(L"uninst.uis");
  WriteBytes(file, Pattern(50, 7));
  MakeFolder(folder.File(L"sub"));
  for (const std::wstring& into :
       {folder.Path(), folder.Path() + L"\\", folder.File(L"sub\\.."), folder.File(L".")}) {
    EXPECT_NO_THROW(install::InstallFileToFolder(file, into, true)) << into;
    EXPECT_EQ(ReadBytes(file), Pattern(50, 7)) << into;
  }
  EXPECT_NO_THROW(install::CopyFileTo(file, file));
  EXPECT_EQ(ReadBytes(file), Pattern(50, 7));
}

// A link back up the tree would make the search go round and round, and one
// that points elsewhere would find a copy outside the searched tree.
TEST(FindFileFolder, LinksAreNeverEntered) {
  ScratchFolder folder;
  const std::wstring tree = folder.File(L"tree");
  MakeFolder(tree);
  MakeFolder(tree + L"\\sub");
  MakeFolder(folder.File(L"outside"));
  WriteBytes(folder.File(L"outside\\elsewhere.exe"), Pattern(1, 8));
  WriteBytes(tree + L"\\sub\\inside.exe", Pattern(1, 9));
  const FolderLink loop(tree + L"\\sub\\loop", tree);
  const FolderLink away(tree + L"\\away", folder.File(L"outside"));
  ASSERT_TRUE(loop.Made() && away.Made());

  int examined = 0;
  const auto count = [&] { ++examined; };
  EXPECT_EQ(install::FindFileFolder(tree, L"elsewhere.exe", count), L"");
  EXPECT_LT(examined, 10) << "the search went round the loop";
  EXPECT_EQ(install::FindFileFolder(tree, L"inside.exe", count), tree + L"\\SUB");
}

TEST(FindFileFolder, AnEmptyRootIsNotSearched) {
  int examined = 0;
  EXPECT_EQ(install::FindFileFolder(L"", L"cmd.exe", [&] { ++examined; }), L"");
  EXPECT_EQ(examined, 0);
}

// Code page 932 cannot hold "é" or Hangul; narrowed, "José" became "Jose".
TEST(SystemFolders, FoldersComeBackExactlyAsTheSystemNamesThem) {
  using install_tests::RegistryOverride;
  RegistryOverride programFiles(HKEY_LOCAL_MACHINE, install_tests::kCurrentVersionKey,
                                "ProgramFilesDir");
  programFiles.SetPath(L"C:\\Program Files\\\ud55c\uad6d");
  RegistryOverride desktop(HKEY_CURRENT_USER, install_tests::kShellFoldersKey, "Desktop");
  desktop.SetPath(L"C:\\Users\\Jos\u00e9\\Desktop");

  EXPECT_EQ(install::ExpandFolderVariable("%PROGRAMFILESDIR%\\メロパッド", PlatformFamily::kNt),
            L"C:\\Program Files\\\ud55c\uad6d\\\u30e1\u30ed\u30d1\u30c3\u30c9");
  EXPECT_EQ(install::GetShellFolder(install::kDesktopFolder, PlatformFamily::k9x),
            L"C:\\Users\\Jos\u00e9\\Desktop");
  const auto answer = [](LPWSTR buffer, UINT) -> UINT {
    const std::wstring folder = L"C:\\Users\\Jos\u00e9\\Windows";
    folder.copy(buffer, folder.size());
    return static_cast<UINT>(folder.size());
  };
  EXPECT_EQ(install::GetWindowsDir(PlatformFamily::kNt, answer), L"C:\\Users\\Jos\u00e9\\Windows");
}

// A query whose buffer is too small answers with the size it needs and
// writes nothing usable.
TEST(SystemFolders, AnAnswerThatDoesNotFitTheBufferCountsAsAFailure) {
  const auto tooLong = [](LPWSTR, UINT size) -> UINT { return size + 40; };
  const auto exactlyTheBuffer = [](LPWSTR, UINT size) -> UINT { return size; };
  for (const install::FolderQuery query : {+tooLong, +exactlyTheBuffer}) {
    EXPECT_EQ(install::GetWindowsDir(PlatformFamily::kNt, query), L"C:\\WINNT");
    EXPECT_EQ(install::GetSystemDir(PlatformFamily::k9x, query), L"C:\\Windows\\System");
  }
}

TEST(ExpandFolderVariable, TextThatIsNoValidShiftJisIsAnErrorNotAnotherPath) {
  const std::string withZero("App\\a\0b", 7);
  for (const std::string& folderPath :
       {std::string("%WINDIR%\\App\x82"), std::string("%ABSOLUTE%\\C:\\\x85\x40"), withZero}) {
    EXPECT_THROW(install::ExpandFolderVariable(folderPath, PlatformFamily::kNt), toolkit::FileError)
        << folderPath;
  }
}

}  // namespace
