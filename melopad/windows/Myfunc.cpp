#include "melopad/windows/Myfunc.h"

#include <windows.h>

#include <filesystem>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Text.h"

const char* const kHomepageAddress = "http://brightlark.example/";

namespace {

std::filesystem::path ProgramPath() {
  // Grown until the whole path fits: paths may be longer than MAX_PATH.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
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
