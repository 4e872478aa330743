#include "install/installsystem/installsystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "install/QvSystemAPI/Files.h"
#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/FileSystem.h"
#include "toolkit/UniqueHandle.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WideErrorMessageOf;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

std::wstring ThisProgram() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

// A file built beside the tests.
std::wstring Beside(const std::wstring& name) {
  const std::wstring program = ThisProgram();
  return program.substr(0, program.rfind(L'\\') + 1) + name;
}

// The editor, whose version resource says 1.0.0.0.
std::wstring Editor() {
  return Beside(L"melopad.exe");
}

// A file with nothing but a version resource of the given version.
std::wstring Stamp(const std::wstring& version) {
  return Beside(L"stamp-" + version + L".dll");
}

// A local time at an even second, as a file time.
FILETIME LocalTime(int minute, int second) {
  SYSTEMTIME system{};
  system.wYear = 2001;
  system.wMonth = 3;
  system.wDay = 21;
  system.wHour = 12;
  system.wMinute = static_cast<WORD>(minute);
  system.wSecond = static_cast<WORD>(second);
  FILETIME local{};
  FILETIME utc{};
  ::SystemTimeToFileTime(&system, &local);
  ::LocalFileTimeToFileTime(&local, &utc);
  return utc;
}

void SetWriteTime(const std::wstring& path, const FILETIME& time) {
  const toolkit::UniqueFile file(
      ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(file) << path;
  ASSERT_TRUE(::SetFileTime(file.Get(), nullptr, nullptr, &time));
}

// The file's bytes with a marker after them: an appended tail does not
// disturb the version resource, and tells the two files apart.
void WriteMarked(const std::wstring& from, const std::wstring& to, std::uint8_t marker) {
  Bytes bytes = ReadBytes(from);
  bytes.push_back(marker);
  WriteBytes(to, bytes);
}

std::uint8_t Marker(const std::wstring& path) {
  return ReadBytes(path).back();
}

void ExpectVersion(const install::FileVersion& version, int major, int minor, int release,
                   int build) {
  EXPECT_EQ(version.majorVersion, major);
  EXPECT_EQ(version.minorVersion, minor);
  EXPECT_EQ(version.release, release);
  EXPECT_EQ(version.build, build);
}

TEST(GetFileVersion, ReadsTheVersionResourceOfAFile) {
  ExpectVersion(install::GetFileVersion(Editor()), 1, 0, 0, 0);
  ExpectVersion(install::GetFileVersion(Beside(L"install.exe")), 1, 25, 30, 0);
  ExpectVersion(install::GetFileVersion(Stamp(L"1.1.0.1")), 1, 1, 0, 1);
}

TEST(GetFileVersion, FilesWithoutVersionResourceGiveMinusOnes) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"plain.txt"), Bytes{'a', 'b'});
  for (const std::wstring& path :
       {ThisProgram(), folder.File(L"plain.txt"), folder.File(L"none")}) {
    ExpectVersion(install::GetFileVersion(path), -1, -1, -1, -1);
  }
}

TEST(IsNewerVersion, ComparesTheVersionResourcesOfRealFiles) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"plain.txt"), Bytes{'a'});
  const std::wstring editor = Editor();
  const std::wstring plain = folder.File(L"plain.txt");
  const std::wstring self = ThisProgram();
  struct Case {
    std::wstring source;
    std::wstring target;
    bool newer;
  };
  const std::vector<Case> cases = {
      {editor, plain, true},    // the target has no version
      {plain, editor, false},   // no version against 1.0.0.0
      {editor, editor, false},  // equal versions
      {plain, self, true},      // neither has a version
      {self, editor, false},
      // Field by field: each is newer than the other.
      {Stamp(L"1.1.0.1"), Stamp(L"1.2.0.0"), true},
      {Stamp(L"1.2.0.0"), Stamp(L"1.1.0.1"), true},
      {Stamp(L"1.1.0.1"), Stamp(L"1.1.0.1"), false},
      {Stamp(L"1.1.0.1"), editor, true},
      {editor, Stamp(L"1.1.0.1"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(install::IsNewerVersion(c.source, c.target), c.newer) << c.source << " " << c.target;
  }
}

TEST(InstallFileToFolder, AMissingFolderIsCreatedWithItsParentsAndGetsTheCopy) {
  ScratchFolder folder;
  const std::wstring source = folder.File(L"表示.txt");
  WriteBytes(source, Bytes{1, 2, 3});
  SetWriteTime(source, LocalTime(10, 20));
  const std::wstring target = folder.File(L"a\\b\\c");
  install::InstallFileToFolder(source, target, false);
  EXPECT_EQ(ReadBytes(target + L"\\表示.txt"), (Bytes{1, 2, 3}));
  EXPECT_EQ(install::GetFileDateTime(target + L"\\表示.txt"), install::GetFileDateTime(source));
}

TEST(InstallFileToFolder, ReplacesByVersionThenByForceOrLaterTimeStamp) {
  // Each kind of file is named by the file its bytes come from; an empty
  // name stands for a text file without version.
  const std::wstring plain;
  const std::wstring editor = Editor();
  const std::wstring older = Stamp(L"1.1.0.1");
  const std::wstring newer = Stamp(L"1.2.0.0");
  struct Case {
    const char* name;
    std::wstring source;
    std::wstring target;
    int sourceMinute;
    int targetMinute;
    bool force;
    bool replaced;
  };
  const std::vector<Case> cases = {
      {"versioned source over unversioned target, older", editor, plain, 1, 5, false, true},
      {"unversioned over unversioned, older", plain, plain, 1, 5, false, true},
      {"unversioned over versioned, older", plain, editor, 1, 5, false, false},
      {"unversioned over versioned, later", plain, editor, 9, 5, false, true},
      {"unversioned over versioned, forced", plain, editor, 1, 5, true, true},
      {"1.1.0.1 over 1.2.0.0, older", older, newer, 1, 5, false, true},
      {"1.0.0.0 over 1.1.0.1, later", editor, older, 9, 5, false, true},
      {"1.0.0.0 over 1.1.0.1, older", editor, older, 1, 5, false, false},
      {"equal versions, equal times", editor, editor, 5, 5, false, false},
      {"equal versions, equal times, forced", editor, editor, 5, 5, true, true},
      {"equal versions, later source", editor, editor, 6, 5, false, true},
      {"equal versions, older source", editor, editor, 4, 5, false, false},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    ::CreateDirectoryW(folder.File(L"src").c_str(), nullptr);
    ::CreateDirectoryW(folder.File(L"dst").c_str(), nullptr);
    const std::wstring source = folder.File(L"src\\app.exe");
    const std::wstring target = folder.File(L"dst\\app.exe");
    const auto make = [&](const std::wstring& kind, const std::wstring& path, std::uint8_t marker) {
      if (!kind.empty()) {
        WriteMarked(kind, path, marker);
      } else {
        WriteBytes(path, Bytes{'t', 'e', 'x', 't', marker});
      }
    };
    make(c.source, source, 1);
    make(c.target, target, 2);
    SetWriteTime(source, LocalTime(c.sourceMinute, 0));
    SetWriteTime(target, LocalTime(c.targetMinute, 0));
    const install::FileDateTime before = install::GetFileDateTime(target);

    install::InstallFileToFolder(source, folder.File(L"dst") + L"\\", c.force);

    EXPECT_EQ(Marker(target), c.replaced ? 1 : 2) << c.name;
    EXPECT_EQ(install::GetFileDateTime(target),
              c.replaced ? install::GetFileDateTime(source) : before)
        << c.name;
  }
}

TEST(InstallFileToFolder, ATargetInUseThatShouldBeReplacedRaisesTheCreateError) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a.txt"), Bytes{1});
  ::CreateDirectoryW(folder.File(L"dst").c_str(), nullptr);
  WriteBytes(folder.File(L"dst\\a.txt"), Bytes{2});
  // Held open by another user who shares nothing, so it can be neither
  // deleted nor overwritten.
  const toolkit::UniqueFile inUse(::CreateFileW(folder.File(L"dst\\a.txt").c_str(), GENERIC_READ, 0,
                                                nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(inUse);
  EXPECT_EQ(WideErrorMessageOf([&] {
              install::InstallFileToFolder(folder.File(L"a.txt"), folder.File(L"dst"), true);
            }),
            L"ファイル " + folder.File(L"dst\\a.txt") + L" を作成できません");
  std::uint8_t byte = 0;
  DWORD read = 0;
  ASSERT_TRUE(::ReadFile(inUse.Get(), &byte, 1, &read, nullptr));
  EXPECT_EQ(byte, 2);
}

TEST(InstallFileToFolder, AMissingSourceRaisesAnError) {
  ScratchFolder folder;
  ::CreateDirectoryW(folder.File(L"dst").c_str(), nullptr);
  // No target: the copy cannot open the source.
  EXPECT_EQ(WideErrorMessageOf([&] {
              install::InstallFileToFolder(folder.File(L"gone.exe"), folder.File(L"dst"), false);
            }),
            L"ファイル " + folder.File(L"gone.exe") + L" は開けません");
  // A versioned target: the source has no time stamp to compare.
  WriteMarked(Editor(), folder.File(L"dst\\gone.exe"), 2);
  EXPECT_THROW(install::InstallFileToFolder(folder.File(L"gone.exe"), folder.File(L"dst"), false),
               std::runtime_error);
  EXPECT_EQ(Marker(folder.File(L"dst\\gone.exe")), 2);
}

TEST(InstallFileToFolder, AFolderOfTheFilesNameIsNoTargetAndTheCopyFails) {
  ScratchFolder folder;
  WriteBytes(folder.File(L"a.txt"), Bytes{1});
  ::CreateDirectoryW(folder.File(L"dst").c_str(), nullptr);
  ::CreateDirectoryW(folder.File(L"dst\\a.txt").c_str(), nullptr);
  EXPECT_THROW(install::InstallFileToFolder(folder.File(L"a.txt"), folder.File(L"dst"), false),
               std::runtime_error);
  EXPECT_TRUE(toolkit::FolderExists(folder.File(L"dst\\a.txt")));
}

}  // namespace
