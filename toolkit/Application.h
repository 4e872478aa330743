// The application object: the message loop with its one idle handler, the
// processing of pending messages, and the default display of errors.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "toolkit/Prompter.h"
#include "toolkit/Shell.h"

namespace toolkit {

class Form;

class Application {
 public:
  // Called when the queue is empty. Setting done to false asks for another
  // call straight away instead of waiting for the next message.
  using IdleHandler = std::function<void(bool& done)>;

  // The title captions the error display. There is one application per
  // process; it must outlive every window.
  Application(std::string title, Prompter& prompter);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  static Application& Current();

  const std::string& Title() const { return title_; }
  Prompter& Prompts() { return *prompter_; }
  void SetPrompter(Prompter& prompter) { prompter_ = &prompter; }
  // The desktop shell and the pauses; the system's unless replaced.
  Shell& DesktopShell() { return *shell_; }
  void SetShell(Shell& shell) { shell_ = &shell; }
  void Sleep(DWORD milliseconds) { sleeper_->Sleep(milliseconds); }
  void SetSleeper(Sleeper& sleeper) { sleeper_ = &sleeper; }

  // Shows the main form and handles messages until it is closed.
  void Run(Form& mainForm);
  Form* MainForm() const { return mainForm_; }
  // Handles messages, running the idle handler whenever none is waiting,
  // until the condition holds or the application is terminated. The
  // condition is checked before every wait, so a handler that meets it never
  // leaves the loop waiting for a message that does not come.
  void RunUntil(const std::function<bool()>& finished);
  // Handles every message waiting now, without idling or waiting.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  void SetIdleHandler(IdleHandler handler) { idleHandler_ = std::move(handler); }
  void ClearIdleHandler() { idleHandler_ = nullptr; }
  bool HasIdleHandler() const { return static_cast<bool>(idleHandler_); }

  // The default error display: the message in an error box captioned with
  // the title. The command that failed has ended; the program goes on.
  void HandleException(const std::exception& error) noexcept;

  // Whether the user works in this program: its window is in the foreground.
  static bool IsActive();

  // Throws std::runtime_error with the system's text for GetLastError().
  [[noreturn]] static void ThrowLastError(const char* what);

 private:
  bool ProcessOneMessage();
  // Runs the idle handler; returns whether it is done (the loop may wait).
  bool Idle();

  std::string title_;
  Prompter* prompter_;
  SystemShell systemShell_;
  SystemSleeper systemSleeper_;
  Shell* shell_ = &systemShell_;
  Sleeper* sleeper_ = &systemSleeper_;
  Form* mainForm_ = nullptr;
  IdleHandler idleHandler_;
  bool terminated_ = false;
};

}  // namespace toolkit
