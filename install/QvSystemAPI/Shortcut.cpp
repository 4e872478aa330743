#include "install/QvSystemAPI/Shortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "install/QvSystemAPI/Files.h"
#include "install/text/DbcsText.h"
#include "install/text/Paths.h"
#include "toolkit/Com.h"
#include "toolkit/Text.h"

namespace install {

namespace {

// The system's text for a COM failure code.
std::string ComErrorText(HRESULT result) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  std::string text;
  if (buffer != nullptr) {
    text = toolkit::Narrow(std::wstring_view(buffer, length));
    ::LocalFree(buffer);
  }
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text.empty() ? "COM error " + std::to_string(static_cast<unsigned long>(result)) : text;
}

}  // namespace

std::string WorkingFolderOf(const std::string& target) {
  const std::size_t backslash = FindLastSeparator(target, '\\');
  const std::size_t colon = FindLastSeparator(target, ':');
  std::size_t at = backslash;
  if (at == std::string::npos || (colon != std::string::npos && colon > at)) at = colon;
  if (at == std::string::npos) return {};
  // Keep a colon, and a backslash that follows a drive's colon.
  const bool keep = target[at] == ':' || (at > 0 && target[at - 1] == ':');
  return target.substr(0, keep ? at + 1 : at);
}

std::string ShortcutFolder(const std::string& group, int kind, PlatformFamily family) {
  const std::string shellFolder = GetShellFolder(kind, family);
  if (kind == kDesktopFolder || kind == kStartupFolder || kind == kSendToFolder) {
    return shellFolder;
  }
  return shellFolder + "\\" + group;
}

void CreateShortcut(const std::string& group, const std::string& name, const std::string& target,
                    int kind, const std::string& arguments, PlatformFamily family) {
  // The wide link interface takes the texts converted from code page 932
  // explicitly; the narrow one would read them in the process code page and
  // mangle Japanese names on a system whose code page is not 932.
  toolkit::ComPtr<IShellLinkW> link;
  const HRESULT created = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkW, reinterpret_cast<void**>(link.Put()));
  if (FAILED(created)) throw std::runtime_error(ComErrorText(created));
  const toolkit::ComPtr<IPersistFile> file = link.As<IPersistFile>();
  if (!file) throw std::runtime_error("Interface not supported");

  link->SetArguments(toolkit::Widen(arguments).c_str());
  link->SetPath(toolkit::Widen(target).c_str());
  link->SetWorkingDirectory(toolkit::Widen(WorkingFolderOf(target)).c_str());
  link->SetDescription(toolkit::Widen(name).c_str());

  const std::string folder = ShortcutFolder(group, kind, family);
  if (kind != kDesktopFolder && kind != kStartupFolder && kind != kSendToFolder &&
      !FolderExists(folder)) {
    ForceFolders(folder);
  }
  const std::string linkFile = IncludeTrailingBackslash(folder) + name + ".lnk";
  file->Save(toolkit::Widen(linkFile).c_str(), FALSE);
}

}  // namespace install
