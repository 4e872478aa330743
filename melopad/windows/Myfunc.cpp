#include "melopad/windows/Myfunc.h"

#include <windows.h>

#include <filesystem>

#include "toolkit/Application.h"
#include "toolkit/CommandLine.h"
#include "toolkit/Text.h"

const char* const kHomepageAddress = "http://brightlark.example/";

namespace {

std::filesystem::path ProgramPath() {
  return std::filesystem::path(toolkit::ProgramPath());
}

}  // namespace

bool ShellOpen(const std::wstring& target, const std::wstring& parameters) {
  return toolkit::Application::Current().DesktopShell().Open(target, parameters);
}

// The program's path stays UTF-16 from GetModuleFileNameW to the shell, so
// a folder named in characters code page 932 lacks still works.
std::wstring HelpPagePath() {
  return ProgramPath().replace_extension(L".html").wstring();
}

std::wstring SongsFolderPath() {
  return (ProgramPath().parent_path() / L"songs\\").wstring();
}

void OpenHomepage() {
  toolkit::Application& application = toolkit::Application::Current();
  const toolkit::MessageAnswer answer = application.Prompts().ShowMessage(
      ::GetActiveWindow(), {"インターネットに接続してホームページを表示します", "Melopad",
                            toolkit::MessageButtons::YesNo, toolkit::MessageIcon::Question});
  if (answer == toolkit::MessageAnswer::Yes) ShellOpen(toolkit::Widen(kHomepageAddress), L"");
}
