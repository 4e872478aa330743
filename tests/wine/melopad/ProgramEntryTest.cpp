// Starting the editor: the songs switch, a second copy, the splash and the
// small windows' commands on the desktop shell.
#include <gtest/gtest.h>

#include "melopad/mainwindow/ProgramEntry.h"
#include "melopad/windows/Myfunc.h"
#include "tests/wine/melopad/EditorTest.h"
#include "toolkit/SingleInstance.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace {

class ProgramEntryTest : public testing_support::EditorTest {};

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

TEST_F(ProgramEntryTest, SongsSwitchInAnyCaseOpensTheSongsFolderAndShowsNoWindow) {
  for (const wchar_t* argument : {L"/SONGS", L"/songs", L"/Songs"}) {
    shell = testing_support::RecordingShell();
    // Returning at all shows that no window and no message loop was started.
    RunMelopad(application, {argument});
    EXPECT_EQ(shell.opened, std::vector<std::wstring>{ProgramFolder() + L"songs\\"}) << argument;
    EXPECT_EQ(shell.openedWith, std::vector<std::wstring>{L""}) << argument;
  }
}

TEST_F(ProgramEntryTest, StartUpShowsTheSplashForHalfASecond) {
  TMelopadForm form(Services());
  EXPECT_EQ(sleeper.pauses, std::vector<DWORD>{500});
}

TEST_F(ProgramEntryTest, HelpOpensTheHtmlPageNamedLikeTheProgram) {
  TMelopadForm form(Services());
  ::SetCurrentDirectoryW(L"C:\\");
  form.MnuHelpHelpClick();
  EXPECT_EQ(shell.opened, std::vector<std::wstring>{ProgramFolder() + L"melopad_wine_tests.html"});
}

TEST_F(ProgramEntryTest, HomepageIsOpenedOnlyAfterAYes) {
  TMelopadForm form(Services());
  prompter.WillAnswer(toolkit::MessageAnswer::No);
  form.MnuHelpHomepageClick();
  EXPECT_TRUE(shell.opened.empty());
  const toolkit::MessageRequest& question = prompter.Asked().front().message;
  EXPECT_EQ(question.text, toolkit::Widen("インターネットに接続してホームページを表示します"));
  EXPECT_EQ(question.caption, "Melopad");
  EXPECT_EQ(question.buttons, toolkit::MessageButtons::YesNo);
  EXPECT_EQ(question.icon, toolkit::MessageIcon::Question);

  prompter.WillAnswer(toolkit::MessageAnswer::Yes);
  ::SendMessageW(versionInfoForm.WebButton.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(versionInfoForm.WebButton.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(shell.opened, std::vector<std::wstring>{toolkit::Widen(kHomepageAddress)});
}

TEST_F(ProgramEntryTest, VersionWindowShowsItsPictureAndLines) {
  EXPECT_EQ(versionInfoForm.Text(), "バージョン情報");
  EXPECT_EQ(versionInfoForm.ClientRect().width, 353);
  EXPECT_EQ(versionInfoForm.ClientRect().height, 124);
  BITMAP picture{};
  ::GetObjectW(versionInfoForm.Image1.Picture(), sizeof picture, &picture);
  EXPECT_EQ(picture.bmWidth, 130);
  EXPECT_EQ(picture.bmHeight, 97);
  EXPECT_EQ(picture.bmBitsPixel, 1);
  ASSERT_EQ(versionInfoForm.ListBox1.Count(), 6);
  EXPECT_EQ(versionInfoForm.ListBox1.Item(0), "Melopad");
  EXPECT_EQ(versionInfoForm.ListBox1.Item(1), "2000/11/10版");
  EXPECT_EQ(versionInfoForm.ListBox1.Item(2), "");
  EXPECT_EQ(versionInfoForm.ListBox1.Item(3).rfind("ソフト製作：", 0), 0u);
  EXPECT_EQ(versionInfoForm.ListBox1.Item(5), kHomepageAddress);
  EXPECT_EQ(versionInfoForm.WebButton.Caption(), "ホームページにアクセス");
}

TEST_F(ProgramEntryTest, SplashHasNoBorderAndNoWebButton) {
  TVersionInfoForm splash;
  splash.MakeSplash();
  const auto style = ::GetWindowLongPtrW(splash.Handle(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_FALSE(::IsWindowVisible(splash.WebButton.Handle()) ||
               (::GetWindowLongPtrW(splash.WebButton.Handle(), GWL_STYLE) & WS_VISIBLE));
  EXPECT_EQ(splash.ClientRect().height, 124 - 17 - 20);
  EXPECT_EQ(splash.ClientRect().width, 353);
}

// Runs the real program and waits for it to end by itself.
DWORD RunProgram(const std::wstring& arguments, DWORD timeoutMs) {
  const std::wstring program = ProgramFolder() + L"melopad.exe";
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  // Standard handles go to NUL, so nothing the program starts holds the
  // test's output open.
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  toolkit::UniqueFile nul(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, 0, &inheritable,
                                        OPEN_EXISTING, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nul.Get();
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process)) {
    return 0xFFFFFFFF;
  }
  toolkit::UniqueKernelHandle processHandle(process.hProcess);
  toolkit::UniqueKernelHandle threadHandle(process.hThread);
  if (::WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.hProcess, 99);
    return STILL_ACTIVE;
  }
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  return exitCode;
}

TEST(SecondCopy, EndsAtOnceWhileAnotherCopyRuns) {
  auto running = toolkit::SingleInstance::Claim("Melopad");
  ASSERT_TRUE(running.has_value()) << "another editor is already running";
  EXPECT_EQ(RunProgram(L"songs\\kirakira.als", 10000), 0u);
}

}  // namespace
