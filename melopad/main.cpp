// The editor's entry point: one copy at a time, then the main window and its
// message loop.
#include <windows.h>

#include <optional>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Songnamediag.h"
#include "toolkit/Application.h"
#include "toolkit/CommandLine.h"
#include "toolkit/SingleInstance.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A second copy ends at once, silently, leaving the first as it is.
  std::optional<toolkit::SingleInstance> instance = toolkit::SingleInstance::Claim("Melopad");
  if (!instance) return 0;

  toolkit::SystemPrompter prompter;
  toolkit::Application application("Melopad", prompter);
  try {
    const std::vector<std::string> arguments = toolkit::CommandLineArguments();
    TSongNameDialog songNameDialog;
    TMelopadForm mainForm(songNameDialog, arguments.empty() ? std::string() : arguments.front());
    application.Run(mainForm);
  } catch (const std::exception& error) {
    application.HandleException(error);
  }
  return 0;
}
