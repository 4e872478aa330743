// The editor's entry point: one copy at a time, then the program itself.
#include <windows.h>

#include <optional>

#include "melopad/mainwindow/ProgramEntry.h"
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
    RunMelopad(application, toolkit::CommandLineArguments());
  } catch (const std::exception& error) {
    application.HandleException(error);
  }
  return 0;
}
