// Stand-ins for the desktop shell and for pauses: they record what the
// program asked for and return at once.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Shell.h"

namespace testing_support {

class RecordingShell final : public toolkit::Shell {
 public:
  bool Open(const std::wstring& target, const std::wstring& parameters) override {
    opened.push_back(target);
    openedWith.push_back(parameters);
    return true;
  }
  std::vector<std::wstring> opened;
  std::vector<std::wstring> openedWith;
};

class RecordingSleeper final : public toolkit::Sleeper {
 public:
  void Sleep(DWORD milliseconds) override { pauses.push_back(milliseconds); }
  std::vector<DWORD> pauses;
};

}  // namespace testing_support
