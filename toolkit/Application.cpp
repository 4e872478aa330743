#include "toolkit/Application.h"

#include <stdexcept>

#include "toolkit/FileError.h"
#include "toolkit/Form.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {
// Window procedures are plain functions; this is how they reach the
// application to report errors. Set for the application's lifetime only.
Application* currentApplication = nullptr;
}  // namespace

Application::Application(std::string title, Prompter& prompter)
    : title_(std::move(title)), prompter_(&prompter) {
  if (currentApplication != nullptr) throw std::logic_error("one application per process");
  currentApplication = this;
}

Application::~Application() {
  currentApplication = nullptr;
}

Application& Application::Current() {
  if (currentApplication == nullptr) throw std::logic_error("no application");
  return *currentApplication;
}

void Application::Run(Form& mainForm) {
  mainForm_ = &mainForm;
  mainForm.Show();
  // Destroying the main form posts the quit message; the loop runs until it
  // arrives, so it is never left behind for a later loop.
  RunUntil([] { return false; });
  mainForm_ = nullptr;
}

void Application::RunUntil(const std::function<bool()>& finished) {
  while (!terminated_ && !finished()) {
    if (ProcessOneMessage()) continue;
    if (Idle() && !terminated_ && !finished()) ::WaitMessage();
  }
}

void Application::ProcessMessages() {
  while (ProcessOneMessage()) {
  }
}

bool Application::ProcessOneMessage() {
  MSG message{};
  if (!::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  Form* form = Form::OwningForm(message.hwnd);
  if (form != nullptr && form->PreTranslateMessage(message)) return true;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
  return true;
}

bool Application::Idle() {
  bool done = true;
  if (idleHandler_) {
    // The handler may replace or clear itself while it runs.
    IdleHandler handler = idleHandler_;
    try {
      handler(done);
    } catch (const std::exception& error) {
      HandleException(error);
    }
  }
  return done;
}

void Application::Terminate() {
  ::PostQuitMessage(0);
}

void Application::HandleException(const std::exception& error) noexcept {
  try {
    HWND owner = ::GetActiveWindow();
    prompter_->ShowMessage(owner,
                           {MessageOf(error), title_, MessageButtons::Ok, MessageIcon::Error});
  } catch (...) {
    // Nothing better can be done when the error box itself fails.
  }
}

bool Application::IsActive() {
  HWND foreground = ::GetForegroundWindow();
  if (foreground == nullptr) return false;
  DWORD process = 0;
  ::GetWindowThreadProcessId(foreground, &process);
  return process == ::GetCurrentProcessId();
}

void Application::ThrowLastError(const char* what) {
  const DWORD code = ::GetLastError();
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length > 0 ? std::wstring(buffer, length) : std::wstring();
  ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  throw std::runtime_error(std::string(what) + ": " + Narrow(text));
}

}  // namespace toolkit
