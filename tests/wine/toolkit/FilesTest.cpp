#include "toolkit/Files.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/TestFiles.h"

namespace {

using testing_support::ErrorMessageOf;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

TEST(Files, WrittenBytesReadBackExactlyUnderAJapaneseName) {
  ScratchFolder folder;
  const std::string path = folder.File("表ソ曲.als");
  const std::vector<std::uint8_t> bytes{0xE1, 0xF0, 0x00, 0xFD, 0x5C, 0xFF};
  toolkit::WriteWholeFile(path, bytes);
  EXPECT_EQ(toolkit::ReadWholeFile(path), bytes);
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"表ソ曲.als"});
}

TEST(Files, WritingReplacesAnExistingFileWhole) {
  ScratchFolder folder;
  const std::string path = folder.File("a.als");
  WriteBytes(path, std::vector<std::uint8_t>(100, 0x41));
  toolkit::WriteWholeFile(path, std::vector<std::uint8_t>{1, 2, 3});
  EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(Files, SavingOverAReadOnlyFileKeepsTheOldFile) {
  ScratchFolder folder;
  const std::string path = folder.File("locked.als");
  const std::vector<std::uint8_t> old{9, 9, 9};
  WriteBytes(path, old);
  testing_support::SetReadOnly(path, true);
  EXPECT_EQ(ErrorMessageOf([&] { toolkit::WriteWholeFile(path, std::vector<std::uint8_t>{1}); }),
            "ファイル " + path + " を作成できません");
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"locked.als"}) << "temporary file left";
}

TEST(Files, FailuresAreReportedWithTheFileCommandsMessages) {
  ScratchFolder folder;
  const std::string missing = folder.File("missing.als");
  const std::string inMissingFolder = folder.File("no folder\\new.als");
  EXPECT_EQ(ErrorMessageOf([&] { toolkit::ReadWholeFile(missing); }),
            "ファイル " + missing + " は開けません");
  EXPECT_EQ(ErrorMessageOf(
                [&] { toolkit::WriteWholeFile(inMissingFolder, std::vector<std::uint8_t>{}); }),
            "ファイル " + inMissingFolder + " を作成できません");
}

TEST(Files, AnEmptyFileReadsAsNoBytes) {
  ScratchFolder folder;
  const std::string path = folder.File("empty.als");
  WriteBytes(path, {});
  EXPECT_TRUE(toolkit::ReadWholeFile(path).empty());
}

}  // namespace
