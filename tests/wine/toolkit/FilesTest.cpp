#include "toolkit/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"

namespace {

using testing_support::ErrorMessageOf;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WideErrorMessageOf;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

std::vector<std::wstring> SortedFileNames(const ScratchFolder& folder) {
  std::vector<std::wstring> names = folder.FileNames();
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Files, WrittenBytesReadBackExactlyUnderAJapaneseName) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"表ソ曲.als");
  const Bytes bytes{0xE1, 0xF0, 0x00, 0xFD, 0x5C, 0xFF};
  toolkit::WriteWholeFile(path, bytes);
  EXPECT_EQ(toolkit::ReadWholeFile(path), bytes);
  EXPECT_EQ(folder.FileNames(), std::vector<std::wstring>{L"\u8868\u30bd\u66f2.als"});
}

// Code page 932 has no ü and no Hangul: converted to it with best fit,
// "Müller.als" would become the existing "Muller.als" and "한국.als" "??.als".
TEST(Files, NamesCodePage932CannotHoldAreUsedAsThemselves) {
  ScratchFolder folder;
  const std::wstring muller = folder.File(L"Muller.als");
  const std::wstring umlaut = folder.File(L"M\u00fcller.als");
  const std::wstring korean = folder.File(L"\ud55c\uad6d.als");
  const Bytes old{9, 9, 9};
  WriteBytes(muller, old);
  toolkit::WriteWholeFile(umlaut, Bytes{1, 2});
  toolkit::WriteWholeFile(korean, Bytes{3, 4, 5});
  EXPECT_EQ(toolkit::ReadWholeFile(umlaut), (Bytes{1, 2}));
  EXPECT_EQ(toolkit::ReadWholeFile(korean), (Bytes{3, 4, 5}));
  EXPECT_EQ(ReadBytes(muller), old) << "the look-alike name was written";
  EXPECT_EQ(SortedFileNames(folder),
            (std::vector<std::wstring>{L"Muller.als", L"M\u00fcller.als", L"\ud55c\uad6d.als"}));

  // The failure messages name the files as they are.
  testing_support::SetReadOnly(umlaut, true);
  EXPECT_EQ(WideErrorMessageOf([&] { toolkit::WriteWholeFile(umlaut, Bytes{7}); }),
            L"ファイル " + umlaut + L" を作成できません");
  const std::wstring missing = folder.File(L"\ud55c\uad6d\uc5b4.als");
  EXPECT_EQ(WideErrorMessageOf([&] { toolkit::ReadWholeFile(missing); }),
            L"ファイル " + missing + L" は開けません");
  EXPECT_EQ(ReadBytes(umlaut), (Bytes{1, 2}));
}

TEST(Files, WritingReplacesAnExistingFileWhole) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"a.als");
  WriteBytes(path, Bytes(100, 0x41));
  toolkit::WriteWholeFile(path, Bytes{1, 2, 3});
  EXPECT_EQ(ReadBytes(path), (Bytes{1, 2, 3}));
}

TEST(Files, SavingOverAReadOnlyFileKeepsTheOldFile) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"locked.als");
  const Bytes old{9, 9, 9};
  WriteBytes(path, old);
  testing_support::SetReadOnly(path, true);
  EXPECT_EQ(ErrorMessageOf([&] { toolkit::WriteWholeFile(path, Bytes{1}); }),
            "ファイル " + toolkit::Narrow(path) + " を作成できません");
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(folder.FileNames(), std::vector<std::wstring>{L"locked.als"}) << "temporary file left";
}

TEST(Files, FailuresAreReportedWithTheFileCommandsMessages) {
  ScratchFolder folder;
  const std::wstring missing = folder.File(L"missing.als");
  const std::wstring inMissingFolder = folder.File(L"no folder\\new.als");
  EXPECT_EQ(ErrorMessageOf([&] { toolkit::ReadWholeFile(missing); }),
            "ファイル " + toolkit::Narrow(missing) + " は開けません");
  EXPECT_EQ(ErrorMessageOf([&] { toolkit::WriteWholeFile(inMissingFolder, Bytes{}); }),
            "ファイル " + toolkit::Narrow(inMissingFolder) + " を作成できません");
}

TEST(Files, AnEmptyFileReadsAsNoBytes) {
  ScratchFolder folder;
  const std::wstring path = folder.File(L"empty.als");
  WriteBytes(path, {});
  EXPECT_TRUE(toolkit::ReadWholeFile(path).empty());
}

}  // namespace
