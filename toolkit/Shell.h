// What the programs hand to the desktop shell (a document, a folder or a web
// address to open) and the pauses they make. Both go through interfaces, so
// tests neither start other programs nor wait in real time.
#pragma once

#include <windows.h>

#include <string>

namespace toolkit {

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the shell to carry out its "open" verb on the target (a path or a
  // web address), shown the default way. True when the shell accepted the
  // request.
  virtual bool Open(const std::wstring& target, const std::wstring& parameters) = 0;
};

class SystemShell final : public Shell {
 public:
  bool Open(const std::wstring& target, const std::wstring& parameters) override;
};

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(DWORD milliseconds) = 0;
};

class SystemSleeper final : public Sleeper {
 public:
  void Sleep(DWORD milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace toolkit
