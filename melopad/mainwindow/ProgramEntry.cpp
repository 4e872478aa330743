#include "melopad/mainwindow/ProgramEntry.h"

#include <algorithm>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/playback/NoteSoundBank.h"
#include "melopad/windows/Myfunc.h"
#include "melopad/windows/Songnamediag.h"
#include "melopad/windows/Versioninfofrm.h"
#include "toolkit/Application.h"

namespace {

// Only the letters a to z count as the same in either case.
bool IsSongsSwitch(std::wstring argument) {
  std::transform(argument.begin(), argument.end(), argument.begin(), [](wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
  });
  return argument == L"/SONGS";
}

}  // namespace

void RunMelopad(toolkit::Application& application, const std::vector<std::wstring>& arguments) {
  const std::wstring firstArgument = arguments.empty() ? std::wstring() : arguments.front();
  if (IsSongsSwitch(firstArgument)) {
    // The sample melodies are shown in the shell; the editor itself does not start.
    ShellOpen(SongsFolderPath(), L"");
    return;
  }
  SystemNoteSoundBank sounds;
  // The sound service starts while the main window is made and shown.
  sounds.Prepare();
  TSongNameDialog songNameDialog;
  TVersionInfoForm versionInfoForm;
  TMelopadForm mainForm({songNameDialog, versionInfoForm, sounds}, firstArgument);
  application.Run(mainForm);
}
