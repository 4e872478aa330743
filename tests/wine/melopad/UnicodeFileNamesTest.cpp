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
#include <thread>
#include <vector>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/mainwindow/ProgramEntry.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

constexpr wchar_t kUmlautName[] = L"M\u00fcller.als";
constexpr wchar_t kLookAlikeName[] = L"Muller.als";
constexpr wchar_t kKoreanName[] = L"\ud55c\uad6d.als";
constexpr int kFileNameBox = 0x47C;
constexpr ULONGLONG kTimeoutMs = 10000;

// A melody file with the song name and one quarter note.
Bytes AlsFileOf(const std::string& songName) {
  Bytes bytes{0xE1, 0xF0};
  for (const char c : songName) bytes.push_back(static_cast<std::uint8_t>(c));
  constexpr std::uint8_t kTempoAndOneNote[] = {0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xFF};
  for (const std::uint8_t b : kTempoAndOneNote) bytes.push_back(b);
  return bytes;
}

// Read without a message to the window, so a busy window thread never
// blocks the driver.
std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  ::InternalGetWindowText(window, text, 256);
  return text;
}

// Dialogs and message boxes alike are of the system's dialog class.
bool IsDialog(HWND window) {
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, 16);
  return std::wstring_view(className) == L"#32770";
}

bool IsDialogCaptioned(HWND window, const std::wstring& caption) {
  return IsDialog(window) && TextOf(window) == caption;
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

 private:
  toolkit::Prompter& others_;
  toolkit::SystemPrompter system_;
};

// Works the test thread's windows from a thread of its own while the test
// thread sits in a modal loop: waits for a visible top-level window of the
// test thread that `wanted` accepts and hands it to `act`. Dialogs still up
// after that (or when no window came) are cancelled, so a test fails instead
// of hanging.
class WindowDriver {
 public:
  WindowDriver(std::function<bool(HWND)> wanted, std::function<void(HWND)> act)
      : wanted_(std::move(wanted)),
        act_(std::move(act)),
        worker_([this, thread = ::GetCurrentThreadId()] { Run(thread); }) {}
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;
  ~WindowDriver() {
    if (worker_.joinable()) worker_.join();
  }

  // Whether the window came and was acted on; waits for the driver's end.
  bool Acted() {
    if (worker_.joinable()) worker_.join();
    return acted_;
  }

 private:
  static HWND FindWindowOf(DWORD thread, const std::function<bool(HWND)>& accepts) {
    struct Search {
      const std::function<bool(HWND)>& accepts;
      HWND found = nullptr;
    } search{accepts};
    ::EnumThreadWindows(
        thread,
        [](HWND window, LPARAM data) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          if (::IsWindowVisible(window) && s.accepts(window)) s.found = window;
          return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  static HWND WaitForWindowOf(DWORD thread, const std::function<bool(HWND)>& accepts) {
    const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
    for (;;) {
      if (HWND window = FindWindowOf(thread, accepts)) return window;
      if (::GetTickCount64() > deadline) return nullptr;
      ::Sleep(20);
    }
  }

  void Run(DWORD thread) {
    // The test's windows are on its hidden desktop; the driver joins it, so
    // it finds them whatever desktop a new thread starts on.
    ::SetThreadDesktop(::GetThreadDesktop(thread));
    if (HWND window = WaitForWindowOf(thread, wanted_)) {
      act_(window);
      acted_ = true;
    }
    const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
    while (HWND dialog = FindWindowOf(thread, IsDialog)) {
      if (::GetTickCount64() > deadline) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      ::Sleep(20);
    }
  }

  std::function<bool(HWND)> wanted_;
  std::function<void(HWND)> act_;
  bool acted_ = false;
  std::thread worker_;
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
