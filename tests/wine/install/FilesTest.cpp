#include "install/QvSystemAPI/Files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/FolderLinks.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

using testing_support::ErrorMessageOf;
using testing_support::FolderLink;
using testing_support::MappedDrive;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  return bytes;
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesW(toolkit::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::string& path) {
  ASSERT_TRUE(::CreateDirectoryW(toolkit::Widen(path).c_str(), nullptr)) << path;
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

void SetWriteTime(const std::string& path, const FILETIME& time) {
  const toolkit::UniqueFile file(::CreateFileW(toolkit::Widen(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                               0, nullptr, OPEN_EXISTING,
                                               FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(file) << path;
  ASSERT_TRUE(::SetFileTime(file.Get(), nullptr, nullptr, &time));
}

std::uint64_t WriteTimeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExW(toolkit::Widen(path).c_str(), GetFileExInfoStandard, &data);
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
    const std::string source = folder.File("元ファイル表.bin");
    const std::string target = folder.File("out");
    WriteBytes(source, Pattern(size));
    SetWriteTime(source, OddSecondTime());
    MakeFolder(target);

    install::CopyFileTo(source, target + "\\");

    const std::string copy = target + "\\元ファイル表.bin";
    EXPECT_EQ(ReadBytes(copy), Pattern(size)) << size;
    // 9:30:45.5 becomes 9:30:44, the start of its two-second slot.
    EXPECT_EQ(WriteTimeOf(copy), AsNumber(OddSecondTime()) - kSecond - kSecond / 2) << size;
    EXPECT_EQ(install::GetFileDateTime(copy), install::GetFileDateTime(source)) << size;
  }
}

TEST(CopyFileTo, AFolderWithoutTrailingBackslashGetsTheSourceName) {
  ScratchFolder folder;
  WriteBytes(folder.File("a.txt"), Pattern(10));
  MakeFolder(folder.File("sub"));
  install::CopyFileTo(folder.File("a.txt"), folder.File("sub"));
  EXPECT_EQ(ReadBytes(folder.File("sub\\a.txt")), Pattern(10));
}

TEST(CopyFileTo, AnExistingFileIsReplacedAsItIs) {
  ScratchFolder folder;
  WriteBytes(folder.File("a.txt"), Pattern(10));
  WriteBytes(folder.File("other.txt"), Pattern(20000));
  install::CopyFileTo(folder.File("a.txt"), folder.File("other.txt"));
  EXPECT_EQ(ReadBytes(folder.File("other.txt")), Pattern(10));
}

TEST(CopyFileTo, AMissingDestinationIsTakenForAFolderAndFailsWithTheFullPath) {
  ScratchFolder folder;
  WriteBytes(folder.File("a.txt"), Pattern(10));
  EXPECT_EQ(ErrorMessageOf([&] { install::CopyFileTo(folder.File("a.txt"), folder.File("new")); }),
            "ファイル " + folder.File("new\\a.txt") + " を作成できません");
}

TEST(CopyFileTo, AMissingSourceRaisesTheOpenErrorWithTheSourcePath) {
  ScratchFolder folder;
  const std::string source = folder.File("missing.txt");
  EXPECT_EQ(ErrorMessageOf([&] { install::CopyFileTo(source, folder.Path() + "\\"); }),
            "ファイル " + source + " は開けません");
}

TEST(CopyFileTo, ADestinationInUseRaisesTheCreateError) {
  ScratchFolder folder;
  WriteBytes(folder.File("a.txt"), Pattern(10));
  MakeFolder(folder.File("sub"));
  WriteBytes(folder.File("sub\\a.txt"), Pattern(3));
  // Held open by another user who shares nothing, so it can be neither
  // deleted nor overwritten.
  const toolkit::UniqueFile inUse(::CreateFileW(toolkit::Widen(folder.File("sub\\a.txt")).c_str(),
                                                GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                                nullptr));
  ASSERT_TRUE(inUse);
  EXPECT_EQ(
      ErrorMessageOf([&] { install::CopyFileTo(folder.File("a.txt"), folder.File("sub") + "\\"); }),
      "ファイル " + folder.File("sub\\a.txt") + " を作成できません");
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
    WriteBytes(folder.File("big.bin"), Pattern(3 * 8192 + 17));
    MakeFolder(folder.File("out"));
    int calls = 0;
    const install::BlockWriter fillsUp = [&](HANDLE file, std::span<const std::uint8_t> block) {
      const bool isShort = calls++ == c.shortBlock;
      return install::WriteBlock(file, isShort ? block.first(c.takes) : block);
    };
    EXPECT_EQ(ErrorMessageOf([&] {
                install::CopyFileTo(folder.File("big.bin"), folder.File("out") + "\\", fillsUp);
              }),
              "ファイル " + folder.File("out\\big.bin") + " を作成できません")
        << c.shortBlock;
    EXPECT_FALSE(Exists(folder.File("out\\big.bin"))) << c.shortBlock;
    EXPECT_TRUE(Exists(folder.File("big.bin")));
  }
}

TEST(GetFileDateTime, TimesInOneTwoSecondSlotCompareEqualAndLaterSlotsGreater) {
  ScratchFolder folder;
  WriteBytes(folder.File("a"), Pattern(1));
  WriteBytes(folder.File("b"), Pattern(1));
  FILETIME time = OddSecondTime();  // 45.5 s, in the slot starting at 44 s
  SetWriteTime(folder.File("a"), time);
  FILETIME sameSlot{};
  const std::uint64_t earlier = AsNumber(time) - kSecond;  // 44.5 s
  sameSlot.dwLowDateTime = static_cast<DWORD>(earlier);
  sameSlot.dwHighDateTime = static_cast<DWORD>(earlier >> 32);
  SetWriteTime(folder.File("b"), sameSlot);
  EXPECT_EQ(install::GetFileDateTime(folder.File("a")), install::GetFileDateTime(folder.File("b")));

  const std::uint64_t later = AsNumber(time) + kSecond;  // 46.5 s
  FILETIME nextSlot{};
  nextSlot.dwLowDateTime = static_cast<DWORD>(later);
  nextSlot.dwHighDateTime = static_cast<DWORD>(later >> 32);
  SetWriteTime(folder.File("b"), nextSlot);
  EXPECT_GT(install::GetFileDateTime(folder.File("b")), install::GetFileDateTime(folder.File("a")));
}

TEST(GetFileDateTime, AMissingFileHasNoTimeStamp) {
  ScratchFolder folder;
  EXPECT_THROW(install::GetFileDateTime(folder.File("missing")), std::runtime_error);
}

TEST(ForceFolders, CreatesAllMissingParentsWithOrWithoutTrailingBackslash) {
  for (const std::string tail : {"a\\b\\表\\c", "a\\b\\表\\c\\"}) {
    ScratchFolder folder;
    EXPECT_TRUE(install::ForceFolders(folder.Path() + "\\" + tail)) << tail;
    EXPECT_TRUE(install::FolderExists(folder.File("a\\b\\表\\c"))) << tail;
  }
}

TEST(ForceFolders, AFileInTheWayStopsTheChainQuietly) {
  ScratchFolder folder;
  WriteBytes(folder.File("a"), Pattern(1));
  EXPECT_FALSE(install::ForceFolders(folder.File("a\\b\\c")));
  EXPECT_FALSE(install::FolderExists(folder.File("a\\b")));
}

// Builds the tree
//   top\one.txt, top\README, top\Scores.dat, top\keep\Scores.DAT,
//   top\keep\x.txt, top\gone\deeper\y.txt, top\Old.dat\inside.txt,
//   top\NoExt\z.txt
std::string BuildTree(const ScratchFolder& folder) {
  const std::string top = folder.File("top");
  MakeFolder(top);
  for (const char* sub : {"keep", "gone", "gone\\deeper", "Old.dat", "NoExt"}) {
    MakeFolder(top + "\\" + sub);
  }
  for (const char* file : {"one.txt", "README", "Scores.dat", "keep\\Scores.DAT", "keep\\x.txt",
                           "gone\\deeper\\y.txt", "Old.dat\\inside.txt", "NoExt\\z.txt"}) {
    WriteBytes(top + "\\" + file, Pattern(5));
  }
  return top;
}

TEST(DeleteFolderTree, KeepListRulesDecideWhatStays) {
  struct Case {
    const char* name;
    std::vector<std::string> keepList;
    bool useKeepList;
    std::vector<std::string> remaining;  // below top; empty means top is gone
  };
  const std::vector<Case> cases = {
      {"without keep-list", {".DAT"}, false, {}},
      {".DAT kept",
       {".DAT"},
       true,
       {"", "Scores.dat", "keep", "keep\\Scores.DAT", "Old.dat", "Old.dat\\inside.txt"}},
      {"keep-list in lower case",
       {".dat"},
       true,
       {"", "Scores.dat", "keep", "keep\\Scores.DAT", "Old.dat", "Old.dat\\inside.txt"}},
      {"empty extension kept",
       {""},
       true,
       {"", "README", "keep", "keep\\Scores.DAT", "keep\\x.txt", "gone", "gone\\deeper",
        "gone\\deeper\\y.txt", "NoExt", "NoExt\\z.txt"}},
  };
  const std::vector<std::string> all = {"",
                                        "one.txt",
                                        "README",
                                        "Scores.dat",
                                        "keep",
                                        "keep\\Scores.DAT",
                                        "keep\\x.txt",
                                        "gone",
                                        "gone\\deeper",
                                        "gone\\deeper\\y.txt",
                                        "Old.dat",
                                        "Old.dat\\inside.txt",
                                        "NoExt",
                                        "NoExt\\z.txt"};
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string top = BuildTree(folder);
    install::DeleteFolderTree(top + "\\", c.keepList, c.useKeepList);
    for (const std::string& entry : all) {
      const bool expected =
          std::find(c.remaining.begin(), c.remaining.end(), entry) != c.remaining.end();
      const std::string path = entry.empty() ? top : top + "\\" + entry;
      EXPECT_EQ(Exists(path), expected) << c.name << ": " << entry;
    }
  }
}

TEST(DeleteFolderTree, AReadOnlyFileStaysWithTheFoldersAboveIt) {
  ScratchFolder folder;
  const std::string top = BuildTree(folder);
  testing_support::SetReadOnly(top + "\\gone\\deeper\\y.txt", true);
  install::DeleteFolderTree(top, {}, false);
  EXPECT_TRUE(Exists(top + "\\gone\\deeper\\y.txt"));
  EXPECT_FALSE(Exists(top + "\\one.txt"));
  EXPECT_FALSE(Exists(top + "\\keep"));
  testing_support::SetReadOnly(top + "\\gone\\deeper\\y.txt", false);
}

TEST(DeleteFolderTree, ADriveRootIsNeverEmptied) {
  ScratchFolder folder;
  const std::string top = BuildTree(folder);
  const MappedDrive mapped(top);
  ASSERT_FALSE(mapped.Drive().empty()) << "no drive letter could be mapped";
  ASSERT_TRUE(Exists(mapped.Drive() + "\\one.txt"));
  std::string lower = mapped.Drive();
  lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
  for (const std::string& root : {mapped.Drive() + "\\", mapped.Drive(), lower + "\\", lower}) {
    install::DeleteFolderTree(root, {}, false);
    EXPECT_TRUE(Exists(top + "\\one.txt")) << root;
    EXPECT_TRUE(Exists(top + "\\gone\\deeper\\y.txt")) << root;
  }
}

TEST(DeleteFolderTree, ALinkInsideTheTreeIsRemovedAndItsTargetLeftAlone) {
  ScratchFolder folder;
  const std::string top = BuildTree(folder);
  const std::string outside = folder.File("outside");
  MakeFolder(outside);
  WriteBytes(outside + "\\precious.txt", Pattern(9));
  const FolderLink link(top + "\\link", outside);
  ASSERT_TRUE(link.Made());
  ASSERT_TRUE(Exists(top + "\\link\\precious.txt"));
  ASSERT_NE(
      ::GetFileAttributesW(toolkit::Widen(top + "\\link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT,
      0u);

  install::DeleteFolderTree(top, {}, false);

  EXPECT_EQ(ReadBytes(outside + "\\precious.txt"), Pattern(9));
  EXPECT_FALSE(Exists(top + "\\one.txt"));
  EXPECT_FALSE(Exists(top + "\\gone"));
  // Wine 8 cannot remove a Linux link through the Windows calls; there the
  // link, and so the folder holding it, stay.
  if (link.IsJunction()) {
    EXPECT_FALSE(Exists(top + "\\link"));
    EXPECT_FALSE(Exists(top));
  }
}

}  // namespace
