// The steps every pass shares: one step of the progress bar per entry, and
// the information boxes the passes ask.
#pragma once

#include <string_view>

#include "install/MainForm/Mainform.h"
#include "toolkit/Application.h"
#include "toolkit/Prompter.h"

namespace install {

inline void AdvanceProgress(TfrmMainForm& form) {
  form.PrgAll.SetPosition(form.PrgAll.Position() + 1);
}

// An information box over the wizard with the given buttons.
inline toolkit::MessageAnswer AskUser(TfrmMainForm& form, std::string_view text,
                                      toolkit::MessageButtons buttons) {
  return toolkit::Application::Current().Prompts().ShowMessage(
      form.Handle(), {text, "情報", buttons, toolkit::MessageIcon::Information});
}

}  // namespace install
