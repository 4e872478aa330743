#include "tests/wine/support/LinuxShell.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace testing_support {

namespace {

// The Linux shell as Debian installs it, seen from Wine.
constexpr wchar_t kShell[] = L"Z:\\bin\\sh";
constexpr ULONGLONG kScriptTimeoutMs = 60000;
constexpr DWORD kPollMs = 10;

bool FileExists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Unix paths and scripts are UTF-8; Wine hands a Linux program its command
// line in UTF-8 again.
std::wstring Utf8ToUtf16(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring result(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(), length);
  return result;
}

}  // namespace

// Wine's own export gives the Unix path of a file, which a Linux program needs.
std::string UnixPathOf(const std::wstring& path) {
  using Convert = char*(CDECL*)(const wchar_t*);
  const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (convert == nullptr) throw std::runtime_error("not running under Wine");
  const auto free = [](char* text) { ::HeapFree(::GetProcessHeap(), 0, text); };
  const std::unique_ptr<char, decltype(free)> unixPath(convert(path.c_str()), free);
  if (!unixPath) throw std::runtime_error("no Unix path for " + toolkit::Narrow(path));
  return unixPath.get();
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Wine starts Linux programs without a process handle to wait for, so the
// script ends by writing its exit status into a file (under a temporary name
// first, so that it appears whole), and the test waits for that file.
int RunShellScript(const std::string& script, const std::wstring& statusPath) {
  if (!FileExists(kShell)) throw std::runtime_error("no Linux shell at /bin/sh");
  const std::string unixStatus = UnixPathOf(statusPath);
  std::wstring commandLine = Utf8ToUtf16(
      "sh -c \"" + script + "; echo $? >" + ShellQuoted(unixStatus + ".part") + " && mv " +
      ShellQuoted(unixStatus + ".part") + " " + ShellQuoted(unixStatus) + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(kShell, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    throw std::runtime_error("cannot start the Linux shell");
  }
  const toolkit::UniqueKernelHandle processHandle(process.hProcess);
  const toolkit::UniqueKernelHandle threadHandle(process.hThread);
  const ULONGLONG deadline = ::GetTickCount64() + kScriptTimeoutMs;
  while (!FileExists(statusPath)) {
    if (::GetTickCount64() > deadline) throw std::runtime_error("the Linux script never ended");
    ::Sleep(kPollMs);
  }
  const std::vector<std::uint8_t> status = ReadBytes(statusPath);
  return std::stoi(std::string(status.begin(), status.end()));
}

}  // namespace testing_support
