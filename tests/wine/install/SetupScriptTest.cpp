// The setup script on a real file through the profile calls: defaults, value
// kinds, the cut of long values, key lists, missing records, writes, refused
// writes and paths the ANSI code page cannot name.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "install/QvSystemAPI/Sha256.h"
#include "install/script/ScriptKeys.h"
#include "install/script/SetupScript.h"
#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/TestFiles.h"

namespace {

using install::SetupScript;
using testing_support::ScratchFolder;
using testing_support::WideErrorMessageOf;
namespace keys = install::install_keys;
using Names = std::vector<std::string>;

void WriteText(const std::wstring& path, const std::string& text) {
  testing_support::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(SetupScript, MissingKeysAndAMissingFileGiveTheDefaults) {
  ScratchFolder folder;
  WriteText(folder.File(L"uninst.uis"), "[Install]\r\nOther=1\r\n");
  for (const std::wstring& path : {folder.File(L"uninst.uis"), folder.File(L"none.uis")}) {
    const SetupScript script(path);
    EXPECT_EQ(script.Read(keys::kTitle), "Birchgate");
    EXPECT_EQ(script.Read(keys::kSoftName), "");
    EXPECT_EQ(script.Read(keys::kInstallVersion), 31);
    EXPECT_TRUE(script.Read(keys::kUnInstall));
    EXPECT_FALSE(script.Read(keys::kCreateDesktop));
    EXPECT_EQ(script.Read(install::count_keys::kFileExtCount), 1);
    EXPECT_TRUE(script.ReadSectionKeys(install::kFileSection).empty());
    const struct {
      const char* section;
      const char* missingRecord;
      std::string expected;
    } records[] = {{install::kRegistrySection, install::kMissingRegistryRecord, "||||"},
                   {install::kStartMenuItemSection, install::kMissingStartMenuRecord, "||||"},
                   {install::kFileSection, install::kMissingFileRecord, "|||"},
                   {install::kDeleteKeySection, install::kMissingDeleteKeyRecord, "|"}};
    for (const auto& r : records) {
      EXPECT_EQ(script.ReadRecord(r.section, "1", r.missingRecord), r.expected) << r.section;
    }
  }
}

TEST(SetupScript, ValuesReadAsTheirKinds) {
  ScratchFolder folder;
  WriteText(folder.File(L"uninst.uis"),
            "[install]\r\ntitle=ポ表ソ\r\nInstallVersion=$1F\r\nPackegeMethod=0x1F\r\n"
            "CreateDesktop=2\r\nUnInstall=0\r\nLogoNoResize=yes\r\nLogo=" +
                std::string(3000, 'x') + "\r\n[FileExnted]\r\nzip=1\r\nAlpha=2\r\nmid=3\r\n");
  const SetupScript script(folder.File(L"uninst.uis"));
  EXPECT_EQ(script.Read(keys::kTitle), "ポ表ソ");
  EXPECT_EQ(script.Read(keys::kInstallVersion), 31);
  EXPECT_EQ(script.Read(keys::kPackegeMethod), 31);
  EXPECT_TRUE(script.Read(keys::kCreateDesktop));
  EXPECT_FALSE(script.Read(keys::kUnInstall));
  EXPECT_FALSE(script.Read(keys::kLogoNoResize)) << "no number: the default";
  EXPECT_EQ(script.Read(keys::kLogo), std::string(2047, 'x'));
  EXPECT_EQ(script.ReadSectionKeys(install::kFileExntedSection), (Names{"zip", "Alpha", "mid"}));
}

// A bare file name is the file in the current folder, not in the Windows folder.
TEST(SetupScript, WritesGoToTheFile) {
  ScratchFolder folder;
  wchar_t previous[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, previous);
  ::SetCurrentDirectoryW(folder.Path().c_str());
  const SetupScript script(L"uninst.uis");
  ::SetCurrentDirectoryW(previous);
  script.Write(keys::kTitle, "新しい題");
  script.Write(keys::kInstallVersion, 0x20);
  script.Write(keys::kCreateDesktop, true);
  script.Write(keys::kUnInstall, false);
  const auto bytes = testing_support::ReadBytes(folder.File(L"uninst.uis"));
  EXPECT_EQ(
      std::string(bytes.begin(), bytes.end()),
      "[Install]\r\nTitle=新しい題\r\nInstallVersion=32\r\nCreateDesktop=1\r\nUnInstall=0\r\n");
}

// A read-only script would do on Windows, but under Wine run as root the
// profile call writes over it; a folder that does not exist is refused on both.
TEST(SetupScript, RefusedWritesRaiseTheWriteError) {
  ScratchFolder folder;
  const SetupScript script(folder.File(L"missing\\uninst.uis"));
  EXPECT_EQ(WideErrorMessageOf([&] { script.Write(keys::kTitle, "x"); }),
            folder.File(L"missing\\uninst.uis") + L" に書き込めません");
}

TEST(SetupScript, APathTheAnsiCodePageCannotNameIsRefusedNotAnotherFile) {
  ScratchFolder folder;
  // "Müller" would become "Muller" by best fit, reading the file there.
  ::CreateDirectoryW(folder.File(L"Muller").c_str(), nullptr);
  WriteText(folder.File(L"Muller\\uninst.uis"), "[Install]\r\nTitle=Wrong\r\n");
  for (const std::wstring name : {L"M\u00fcller", L"\ud55c\uad6d"}) {
    ::CreateDirectoryW(folder.File(name).c_str(), nullptr);
    const std::wstring path = folder.File(name + L"\\uninst.uis");
    EXPECT_EQ(WideErrorMessageOf([&] { SetupScript{path}.Read(keys::kTitle); }),
              L"セットアップスクリプト " + path + L" のパスはシステムのコードページで表せません");
  }
}

// A count far beyond the keys there costs no more than the keys: the keys
// below it are read in number order, and every missing one reads once as
// the missing record.
TEST(SetupScript, NumberedEntriesAreReadAsFarAsTheSectionHasKeys) {
  ScratchFolder folder;
  WriteText(folder.File(L"uninst.uis"),
            "[DeleteKey]\r\n5=2|five\r\n0=2|zero\r\n01=2|padded\r\nx=2|letter\r\n"
            "1=2|one\r\n");
  const SetupScript script(folder.File(L"uninst.uis"));
  const struct {
    int count;
    Names expected;
  } cases[] = {{0, {}},
               {-3, {}},
               {2, {"2|zero", "2|one"}},
               {3, {"2|zero", "2|one", "|"}},
               {2000000000, {"2|zero", "2|one", "2|five", "|"}}};
  for (const auto& c : cases) {
    EXPECT_EQ(script.ReadNumbered(install::kDeleteKeySection, c.count, "|"), c.expected) << c.count;
  }
  EXPECT_EQ(script.ReadNumbered(install::kFileExntedSection, 1, ""), Names{""});
}

// The digest of the uninstall record: the system's SHA-256.
TEST(Sha256Hex, GivesTheStandardDigests) {
  const std::string abc = "abc";
  EXPECT_EQ(install::Sha256Hex(std::vector<std::uint8_t>(abc.begin(), abc.end())),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(install::Sha256Hex({}),
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

}  // namespace
