#include "melopad/mainwindow/ProgramEntry.h"

#include <algorithm>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/playback/NoteSoundBank.h"
#include "melopad/windows/Myfunc.h"
#include "melopad/windows/Songnamediag.h"
#include "melopad/windows/Versioninfofrm.h"
#include "toolkit/Application.h"

namespace {

bool IsSongsSwitch(std::string argument) {
  std::transform(argument.begin(), argument.end(), argument.begin(), [](char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  });
  return argument == "/SONGS";
}

}  // namespace

void RunMelopad(toolkit::Application& application, const std::vector<std::string>& arguments) {
  const std::string firstArgument = arguments.empty() ? std::string() : arguments.front();
  if (IsSongsSwitch(firstArgument)) {
    // The sample melodies are shown in the shell; the editor itself does not start.
    ShellOpen(SongsFolderPath(), "");
    return;
  }
  SystemNoteSoundBank sounds;
  TSongNameDialog songNameDialog;
  TVersionInfoForm versionInfoForm;
  TMelopadForm mainForm({songNameDialog, versionInfoForm, sounds}, firstArgument);
  application.Run(mainForm);
}
