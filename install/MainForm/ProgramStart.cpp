#include "install/MainForm/ProgramStart.h"

#include <optional>

#include "toolkit/Application.h"
#include "toolkit/SingleInstance.h"

void RunInstaller(toolkit::Application& application, WizardServices services) {
  std::optional<toolkit::SingleInstance> instance = toolkit::SingleInstance::Claim("EX_Birchgate");
  if (!instance) {
    application.Prompts().ShowMessage(
        nullptr,
        {"別に「Birchgate」が起動しています。その作業を終了してから再度インストール作業を開始"
         "してください",
         application.Title()});
    return;
  }
  TfrmMainForm form(std::move(services));
  application.Run(form);
}
