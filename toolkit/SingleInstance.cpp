#include "toolkit/SingleInstance.h"

#include "toolkit/Application.h"
#include "toolkit/Text.h"

namespace toolkit {

std::optional<SingleInstance> SingleInstance::Claim(std::string_view name) {
  const std::wstring mutexName = Widen(name);
  if (UniqueKernelHandle existing(::OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str())); existing) {
    return std::nullopt;
  }
  UniqueKernelHandle mutex(::CreateMutexW(nullptr, TRUE, mutexName.c_str()));
  if (!mutex) Application::ThrowLastError("CreateMutex");
  // Another copy may have created it between the two calls.
  if (::GetLastError() == ERROR_ALREADY_EXISTS) return std::nullopt;
  return SingleInstance(std::move(mutex));
}

}  // namespace toolkit
