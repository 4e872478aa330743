#include "install/QvSystemAPI/Files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/FolderLinks.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/FileSystem.h"
#include "toolkit/UniqueHandle.h"

namespace {

using testing_support::FolderLink;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WideErrorMessageOf;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  return bytes;
}

bool Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::wstring& path) {
  ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr)) << path;
}

// A last-write time on an odd second with a fraction, in UTC.
FILETIME OddSecondTime() {
  SYSTEMTIME system{};
  system.wYear = 2003;
  system.wMonth = 7;
  system.wDay = 14;
  system.wHour = 9;
  system.wMinute = 30;
  system.wSecond = 45;
  system.wMilliseconds = 500;
  FILETIME time{};
  ::SystemTimeToFileTime(&system, &time);
  return time;
}

void SetWriteTime(const std::wstring& path, const FILETIME& time) {
  const toolkit::UniqueFile file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(file) << path;
  ASSERT_TRUE(::SetFileTime(file.Get(), nullptr, nullptr, &time));
}

std::uint64_t WriteTimeOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

std::uint64_t AsNumber(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

constexpr std::uint64_t kSecond = 10'000'000;

TEST(CopyFileTo, CopyIntoAFolderKeepsContentAndTheTimeStampAtTwoSecondResolution) {
  // Around the 8192-byte block: empty, one short block, exactly one block
  // (followed by an empty read), more than one block.
  for (const std::size_t size : {0u, 1u, 8191u, 8192u, 8193u, 3u * 8192u + 5u}) {
    ScratchFolder folder;
    const std::wstring source = folder.File(L"元ファイル表.bin");
    const std::wstring target = folder.File(L"out");
    WriteBytes(source, Pattern(size));
    SetWriteTime(source, OddSecondTime());
    MakeFolder(target);

    install::CopyFileTo(source, target + L"\\");

    const std::wstring copy = target + L"\\元ファイル表.bin";
    EXPECT_EQ(ReadBytes(copy), Pattern(size)) << size;
    // 9:30:45.5 becomes 9:30:44, the start of its two-second slot.
    EXPECT_EQ(WriteTimeOf(copy), AsNumber(OddSecondTime()) - kSecond - kSecond / 2) << size;
    EXPECT_EQ(install::GetFileDateTime(copy), install::GetFileDateTime(source)) << size;
  }
}

TEST(CopyFileTo, AFolderWithoutTrailingBackslashGetsTheSourceName) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a.txt"), Pattern(10));
  MakeFolder(folder.File(L"sub"));
  install::CopyFileTo(folder.File(L"a.txt"), folder.File(L"sub"));
  EXPECT_EQ(ReadBytes(folder.File(L"sub\\a.txt")), Pattern(10));
}

TEST(CopyFileTo, AnExistingFileIsReplacedAsItIs) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a.txt"), Pattern(10));
  WriteBytes(folder.File(L"other.txt"), Pattern(20000));
  install::CopyFileTo(folder.File(L"a.txt"), folder.File(L"other.txt"));
  EXPECT_EQ(ReadBytes(folder.File(L"other.txt")), Pattern(10));
}

TEST(CopyFileTo, AMissingDestinationIsTakenForAFolderAndFailsWithTheFullPath) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a.txt"), Pattern(10));
  EXPECT_EQ(
      WideErrorMessageOf([&] { install::CopyFileTo(folder.File(L"a.txt"), folder.File(L"new")); }),
      L"ファイル " + folder.File(L"new\\a.txt") + L" を作成できません");
}

TEST(CopyFileTo, AMissingSourceRaisesTheOpenErrorWithTheSourcePath) {
  ScratchFolder folder;
  const std::wstring source = folder.File(L"missing.txt");
  EXPECT_EQ(WideErrorMessageOf([&] { install::CopyFileTo(source, folder.Path() + L"\\"); }),
            L"ファイル " + source + L" は開けません");
}

TEST(CopyFileTo, ADestinationInUseRaisesTheCreateError) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a.txt"), Pattern(10));
  MakeFolder(folder.File(L"sub"));
  WriteBytes(folder.File(L"sub\\a.txt"), Pattern(3));
  // Held open by another user who shares nothing, so it can be neither
  // deleted nor overwritten.
  const toolkit::UniqueFile inUse(::CreateFileW((folder.File(L"sub\\a.txt")).c_str(), GENERIC_READ,
                                                0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(inUse);
  EXPECT_EQ(WideErrorMessageOf(
                [&] { install::CopyFileTo(folder.File(L"a.txt"), folder.File(L"sub") + L"\\"); }),
            L"ファイル " + folder.File(L"sub\\a.txt") + L" を作成できません");
}

// A full disk cannot be made under Wine, so the short write comes from a
// writer that stops taking bytes partway.
TEST(CopyFileTo, AShortWriteRemovesThePartialCopyAndRaisesTheCreateError) {
  struct Case {
    int shortBlock;  // which write comes out short, counting from 0
    DWORD takes;     // how many bytes of it are written
  };
  for (const Case& c : {Case{0, 0}, Case{0, 100}, Case{1, 8191}, Case{2, 1}}) {
    ScratchFolder folder;
    WriteBytes(folder.File(L"big.bin"), Pattern(3 * 8192 + 17));
    MakeFolder(folder.File(L"out"));
    int calls = 0;
    install::BlockTransfer fillsUp = install::SystemBlockTransfer();
    fillsUp.write = [&, write = fillsUp.write](HANDLE file, std::span<const std::uint8_t> block) {
      const bool isShort = calls++ == c.shortBlock;
      return write(file, isShort ? block.first(c.takes) : block);
    };
    EXPECT_EQ(WideErrorMessageOf([&] {
                install::CopyFileTo(folder.File(L"big.bin"), folder.File(L"out") + L"\\", fillsUp);
              }),
              L"ファイル " + folder.File(L"out\\big.bin") + L" を作成できません")
        << c.shortBlock;
    EXPECT_FALSE(Exists(folder.File(L"out\\big.bin"))) << c.shortBlock;
    EXPECT_TRUE(Exists(folder.File(L"big.bin")));
  }
}

TEST(GetFileDateTime, TimesInOneTwoSecondSlotCompareEqualAndLaterSlotsGreater) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a"), Pattern(1));
  WriteBytes(folder.File(L"b"), Pattern(1));
  FILETIME time = OddSecondTime();  // 45.5 s, in the slot starting at 44 s
  SetWriteTime(folder.File(L"a"), time);
  FILETIME sameSlot{};
  const std::uint64_t earlier = AsNumber(time) - kSecond;  // 44.5 s
  sameSlot.dwLowDateTime = static_cast<DWORD>(earlier);
  sameSlot.dwHighDateTime = static_cast<DWORD>(earlier >> 32);
  SetWriteTime(folder.File(L"b"), sameSlot);
  EXPECT_EQ(install::GetFileDateTime(folder.File(L"a")),
            install::GetFileDateTime(folder.File(L"b")));

  const std::uint64_t later = AsNumber(time) + kSecond;  // 46.5 s
  FILETIME nextSlot{};
  nextSlot.dwLowDateTime = static_cast<DWORD>(later);
  nextSlot.dwHighDateTime = static_cast<DWORD>(later >> 32);
  SetWriteTime(folder.File(L"b"), nextSlot);
  EXPECT_GT(install::GetFileDateTime(folder.File(L"b")),
            install::GetFileDateTime(folder.File(L"a")));
}

TEST(GetFileDateTime, AMissingFileHasNoTimeStamp) {
  ScratchFolder folder;
  EXPECT_THROW(install::GetFileDateTime(folder.File(L"missing")), std::runtime_error);
}

TEST(ForceFolders, CreatesAllMissingParentsWithOrWithoutTrailingBackslash) {
  for (const std::wstring tail : {L"a\\b\\表\\c", L"a\\b\\表\\c\\"}) {
    ScratchFolder folder;
    EXPECT_TRUE(install::ForceFolders(folder.Path() + L"\\" + tail)) << tail;
    EXPECT_TRUE(toolkit::FolderExists(folder.File(L"a\\b\\表\\c"))) << tail;
  }
}

TEST(ForceFolders, AFileInTheWayStopsTheChainQuietly) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a"), Pattern(1));
  EXPECT_FALSE(install::ForceFolders(folder.File(L"a\\b\\c")));
  EXPECT_FALSE(toolkit::FolderExists(folder.File(L"a\\b")));
}

// Builds the tree
//   top\one.txt, top\README, top\Scores.dat, top\keep\Scores.DAT,
//   top\keep\x.txt, top\gone\deeper\y.txt, top\Old.dat\inside.txt,
//   top\NoExt\z.txt
std::wstring BuildTree(const ScratchFolder& folder) {
  const std::wstring top = folder.File(L"top");
  MakeFolder(top);
  for (const wchar_t* sub : {L"keep", L"gone", L"gone\\deeper", L"Old.dat", L"NoExt"}) {
    MakeFolder(top + L"\\" + sub);
  }
  for (const wchar_t* file :
       {L"one.txt", L"README", L"Scores.dat", L"keep\\Scores.DAT", L"keep\\x.txt",
        L"gone\\deeper\\y.txt", L"Old.dat\\inside.txt", L"NoExt\\z.txt"}) {
    WriteBytes(top + L"\\" + file, Pattern(5));
  }
  return top;
}

TEST(DeleteFolderTree, KeepListRulesDecideWhatStays) {
  struct Case {
    const char* name;
    std::vector<std::string> keepList;
    bool useKeepList;
    std::vector<std::wstring> remaining;  // below top; empty means top is gone
  };
  const std::vector<Case> cases = {
      {"without keep-list", {".DAT"}, false, {}},
      {".DAT kept",
       {".DAT"},
       true,
       {L"", L"Scores.dat", L"keep", L"keep\\Scores.DAT", L"Old.dat", L"Old.dat\\inside.txt"}},
      {"keep-list in lower case",
       {".dat"},
       true,
       {L"", L"Scores.dat", L"keep", L"keep\\Scores.DAT", L"Old.dat", L"Old.dat\\inside.txt"}},
      {"empty extension kept",
       {""},
       true,
       {L"", L"README", L"keep", L"keep\\Scores.DAT", L"keep\\x.txt", L"gone", L"gone\\deeper",
        L"gone\\deeper\\y.txt", L"NoExt", L"NoExt\\z.txt"}},
  };
  const std::vector<std::wstring> all = {L"",
                                         L"one.txt",
                                         L"README",
                                         L"Scores.dat",
                                         L"keep",
                                         L"keep\\Scores.DAT",
                                         L"keep\\x.txt",
                                         L"gone",
                                         L"gone\\deeper",
                                         L"gone\\deeper\\y.txt",
                                         L"Old.dat",
                                         L"Old.dat\\inside.txt",
                                         L"NoExt",
                                         L"NoExt\\z.txt"};
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::wstring top = BuildTree(folder);
    install::DeleteFolderTree(top + L"\\", c.keepList, c.useKeepList);
    for (const std::wstring& entry : all) {
      const bool expected =
          std::find(c.remaining.begin(), c.remaining.end(), entry) != c.remaining.end();
      const std::wstring path = entry.empty() ? top : top + L"\\" + entry;
      EXPECT_EQ(Exists(path), expected) << c.name << ": " << entry;
    }
  }
}

TEST(DeleteFolderTree, AReadOnlyFileStaysWithTheFoldersAboveIt) {
  ScratchFolder folder;
  const std::wstring top = BuildTree(folder);
  testing_support::SetReadOnly(top + L"\\gone\\deeper\\y.txt", true);
  install::DeleteFolderTree(top, {}, false);
  EXPECT_TRUE(Exists(top + L"\\gone\\deeper\\y.txt"));
  EXPECT_FALSE(Exists(top + L"\\one.txt"));
  EXPECT_FALSE(Exists(top + L"\\keep"));
  testing_support::SetReadOnly(top + L"\\gone\\deeper\\y.txt", false);
}

TEST(DeleteFolderTree, ALinkInsideTheTreeIsRemovedAndItsTargetLeftAlone) {
  ScratchFolder folder;
  const std::wstring top = BuildTree(folder);
  const std::wstring outside = folder.File(L"outside");
  MakeFolder(outside);
  WriteBytes(outside + L"\\precious.txt", Pattern(9));
  const FolderLink link(top + L"\\link", outside);
  ASSERT_TRUE(link.Made());
  ASSERT_TRUE(Exists(top + L"\\link\\precious.txt"));
  ASSERT_NE(::GetFileAttributesW((top + L"\\link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);

  install::DeleteFolderTree(top, {}, false);

  EXPECT_EQ(ReadBytes(outside + L"\\precious.txt"), Pattern(9));
  EXPECT_FALSE(Exists(top + L"\\one.txt"));
  EXPECT_FALSE(Exists(top + L"\\gone"));
  // Wine 8 cannot remove a Linux link through the Windows calls; there the
  // link, and so the folder holding it, stay.
  if (link.IsJunction()) {
    EXPECT_FALSE(Exists(top + L"\\link"));
    EXPECT_FALSE(Exists(top));
  }
}

}  // namespace
