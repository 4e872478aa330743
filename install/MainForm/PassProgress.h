// The steps every pass shares: one step of the progress bar per entry, and
// the information boxes the passes ask.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string_view>

#include "install/MainForm/Mainform.h"
#include "toolkit/Application.h"
#include "toolkit/Prompter.h"

namespace install {

// The progress range of counts a script gives: their sum, held within what
// the bar takes however large or negative they are.
inline int ProgressTotal(std::initializer_list<int> counts) {
  long long total = 0;
  for (const int count : counts) total += count;
  return static_cast<int>(std::clamp<long long>(total, 0, std::numeric_limits<int>::max()));
}

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
