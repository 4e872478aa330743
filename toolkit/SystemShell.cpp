#include <windows.h>

#include <shellapi.h>

#include "toolkit/Shell.h"
#include "toolkit/Text.h"

namespace toolkit {

// The texts are passed whole, whatever their length: the shell takes
// pointers, so there is no buffer to overrun.
bool SystemShell::Open(const std::string& target, const std::string& parameters) {
  const std::wstring file = Widen(target);
  const std::wstring arguments = Widen(parameters);
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  request.lpVerb = L"open";
  request.lpFile = file.c_str();
  request.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
  request.nShow = SW_SHOWNORMAL;
  return ::ShellExecuteExW(&request) != FALSE;
}

}  // namespace toolkit
