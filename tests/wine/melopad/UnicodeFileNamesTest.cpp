// Melody files whose names code page 932 cannot hold, on every way a path
// comes into the editor: the system's own save and open dialogs, the command
// line, and the error box of a file that cannot be opened. "Müller.als" has a
// look-alike in code page 932, "Muller.als"; "한국.als" would become "??.als".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/mainwindow/ProgramEntry.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowDriver.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

using testing_support::IsDialogCaptioned;
using testing_support::ReadBytes;
using testing_support::TextOf;
using testing_support::WindowDriver;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

constexpr wchar_t kUmlautName[] = L"M\u00fcller.als";
constexpr wchar_t kLookAlikeName[] = L"Muller.als";
constexpr wchar_t kKoreanName[] = L"\ud55c\uad6d.als";
constexpr int kFileNameBox = 0x47C;

// A melody file with the song name and one quarter note.
Bytes AlsFileOf(const std::string& songName) {
  Bytes bytes{0xE1, 0xF0};
  for (const char c : songName) bytes.push_back(static_cast<std::uint8_t>(c));
  constexpr std::uint8_t kTempoAndOneNote[] = {0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xFF};
  for (const std::uint8_t b : kTempoAndOneNote) bytes.push_back(b);
  return bytes;
}

// The system's open and save dialogs; every other question goes to the
// script, which records it.
class SystemFileDialogs final : public toolkit::Prompter {
 public:
  explicit SystemFileDialogs(toolkit::Prompter& others) : others_(others) {}
  toolkit::MessageAnswer ShowMessage(HWND owner, const toolkit::MessageRequest& request) override {
    return others_.ShowMessage(owner, request);
  }
  std::optional<std::wstring> ChooseFileToOpen(
      HWND owner, const toolkit::FileDialogSettings& settings) override {
    return system_.ChooseFileToOpen(owner, settings);
  }
  std::optional<std::wstring> ChooseFileToSave(
      HWND owner, const toolkit::FileDialogSettings& settings) override {
    return system_.ChooseFileToSave(owner, settings);
  }
  bool SetUpPrinter(HWND owner, toolkit::PrinterChoice& choice) override {
    return others_.SetUpPrinter(owner, choice);
  }
  std::optional<std::wstring> BrowseForFolder(
      HWND owner, const toolkit::FolderBrowseRequest& request) override {
    return others_.BrowseForFolder(owner, request);
  }

 private:
  toolkit::Prompter& others_;
  toolkit::SystemPrompter system_;
};

// Types the path into the file dialog's name box and clicks OK, as a user would.
void ChooseInFileDialog(HWND dialog, const std::wstring& path) {
  ::SetDlgItemTextW(dialog, kFileNameBox, path.c_str());
  ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

class UnicodeFileNamesTest : public testing_support::EditorTest {
 protected:
  void Choose(TMelopadForm& form, const toolkit::MenuItem& item) {
    ::SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
  }

  testing_support::ScratchFolder folder;
  const std::wstring umlaut = folder.File(kUmlautName);
  const std::wstring lookAlike = folder.File(kLookAlikeName);
  const std::wstring korean = folder.File(kKoreanName);
};

TEST_F(UnicodeFileNamesTest, TheSaveDialogsNameIsWrittenAndItsLookAlikeLeftAlone) {
  SystemFileDialogs dialogs(prompter);
  application.SetPrompter(dialogs);
  const Bytes lookAlikeBytes = AlsFileOf("Muller");
  WriteBytes(lookAlike, lookAlikeBytes);
  TMelopadForm form(Services());
  form.Melody().SetSongName("新曲");
  form.Melody().InsertScoreLine(form.Melody().MakeNoteLine(51));
  const std::wstring title = toolkit::Widen(form.SaveDialog.title);

  WindowDriver user([&](HWND window) { return IsDialogCaptioned(window, title); },
                    [&](HWND dialog) { ChooseInFileDialog(dialog, umlaut); });
  Choose(form, form.MnuSaveAls);
  ASSERT_TRUE(user.Acted()) << "no save dialog came up";

  EXPECT_TRUE(prompter.Asked().empty()) << prompter.Asked().front().message.text;
  std::vector<std::wstring> names = folder.FileNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{kLookAlikeName, kUmlautName}));
  EXPECT_EQ(ReadBytes(lookAlike), lookAlikeBytes) << "the look-alike file was overwritten";
  ASSERT_TRUE(toolkit::FileExists(umlaut));
  EXPECT_EQ(ReadBytes(umlaut), melopad::EncodeAlsFile(form.Melody()));
  EXPECT_EQ(form.SaveDialog.fileName, umlaut);
  EXPECT_FALSE(form.Melody().Modified());
}

TEST_F(UnicodeFileNamesTest, TheOpenDialogsChoiceIsLoaded) {
  SystemFileDialogs dialogs(prompter);
  application.SetPrompter(dialogs);
  WriteBytes(korean, AlsFileOf("韓国"));
  TMelopadForm form(Services());
  const std::wstring title = toolkit::Widen(form.OpenDialog.title);

  WindowDriver user([&](HWND window) { return IsDialogCaptioned(window, title); },
                    [&](HWND dialog) { ChooseInFileDialog(dialog, korean); });
  Choose(form, form.MnuLoadAls);
  ASSERT_TRUE(user.Acted()) << "no open dialog came up";

  EXPECT_TRUE(prompter.Asked().empty()) << prompter.Asked().front().message.text;
  EXPECT_EQ(form.Text(), "韓国");
  EXPECT_EQ(form.Melody().Count(), 1);
  EXPECT_EQ(form.ScoreListBox.Count(), 1);
  EXPECT_EQ(form.SaveDialog.fileName, korean);
}

TEST_F(UnicodeFileNamesTest, AMelodyNamedOnTheCommandLineIsLoadedAtStart) {
  WriteBytes(korean, AlsFileOf("韓国"));
  std::wstring caption;
  LRESULT listedLines = -1;
  // The main window is the one with the menu bar; it is read, then closed.
  WindowDriver user([](HWND window) { return ::GetMenu(window) != nullptr; },
                    [&](HWND mainWindow) {
                      caption = TextOf(mainWindow);
                      HWND list = ::FindWindowExW(mainWindow, nullptr, L"LISTBOX", nullptr);
                      listedLines = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
                      ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
                    });
  RunMelopad(application, {korean});
  ASSERT_TRUE(user.Acted()) << "no main window came up";
  EXPECT_EQ(caption, toolkit::Widen("韓国"));
  EXPECT_EQ(listedLines, 1);
  EXPECT_TRUE(prompter.Asked().empty());
}

// The file is there but held by another program without sharing, so it
// cannot be opened; the error box must name it as it is, not as "??.als".
TEST_F(UnicodeFileNamesTest, AFileThatCannotBeOpenedIsNamedAsItIsInTheErrorBox) {
  WriteBytes(korean, AlsFileOf("韓国"));
  const toolkit::UniqueFile held(::CreateFileW(korean.c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  const struct {
    const char* way;
    std::function<void()> open;
  } cases[] = {
      {"open dialog",
       [&] {
         TMelopadForm form(Services());
         prompter.WillChoose(korean);
         Choose(form, form.MnuLoadAls);
         EXPECT_EQ(form.Melody().Count(), 0);
       }},
      {"command line",
       [&] {
         TMelopadForm form(Services(), korean);
         EXPECT_EQ(form.Melody().Count(), 0);
       }},
  };
  for (const auto& c : cases) {
    prompter = testing_support::ScriptedPrompter();
    c.open();
    ASSERT_EQ(prompter.Messages().size(), 1u) << c.way;
    const toolkit::MessageRequest& box = prompter.Asked().back().message;
    EXPECT_EQ(box.text, L"ファイル " + korean + L" は開けません") << c.way;
    EXPECT_EQ(box.icon, toolkit::MessageIcon::Error) << c.way;
  }
}

}  // namespace
