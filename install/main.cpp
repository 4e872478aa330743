// The installer's entry point.
#include <windows.h>

#include <vector>

#include "install/MainForm/InstallPasses.h"
#include "install/MainForm/ProgramStart.h"
#include "toolkit/Application.h"
#include "toolkit/Com.h"
#include "toolkit/CommandLine.h"

namespace {

// Declining to create the install folder ends the program at once.
void EndProgram(int exitCode) {
  ::ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Shell links are made through COM on this thread.
  const toolkit::ComInitialization com;
  toolkit::SystemPrompter prompter;
  toolkit::Application application("Birchgate", prompter);
  install::InstallPasses passes;
  WizardServices services;
  services.passes = &passes;
  services.programPath = toolkit::ProgramPath();
  services.arguments = toolkit::CommandLineArguments();
  services.endProgram = EndProgram;
  try {
    RunInstaller(application, std::move(services));
  } catch (const std::exception& error) {
    application.HandleException(error);
  }
  return 0;
}
