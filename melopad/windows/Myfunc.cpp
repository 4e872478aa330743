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

bool ShellOpen(const std::string& target, const std::string& parameters) {
  return toolkit::Application::Current().DesktopShell().Open(target, parameters);
}

std::string HelpPagePath() {
  return toolkit::Narrow(ProgramPath().replace_extension(L".html").wstring());
}

std::string SongsFolderPath() {
  return toolkit::Narrow((ProgramPath().parent_path() / L"songs\\").wstring());
}

void OpenHomepage() {
  toolkit::Application& application = toolkit::Application::Current();
  const toolkit::MessageAnswer answer = application.Prompts().ShowMessage(
      ::GetActiveWindow(), {"インターネットに接続してホームページを表示します", "Melopad",
                            toolkit::MessageButtons::YesNo, toolkit::MessageIcon::Question});
  if (answer == toolkit::MessageAnswer::Yes) ShellOpen(kHomepageAddress, "");
}
