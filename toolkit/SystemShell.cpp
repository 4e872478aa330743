#include <windows.h>

#include <shellapi.h>

#include "toolkit/Shell.h"

namespace toolkit {

// The texts are passed whole, whatever their length: the shell takes
// pointers, so there is no buffer to overrun.
bool SystemShell::Open(const std::wstring& target, const std::wstring& parameters) {
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  request.lpVerb = L"open";
  request.lpFile = target.c_str();
  request.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  request.nShow = SW_SHOWNORMAL;
  return ::ShellExecuteExW(&request) != FALSE;
}

}  // namespace toolkit
