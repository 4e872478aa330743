#include "install/QvSystemAPI/Shortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstdio>
#include <initializer_list>

#include "install/QvSystemAPI/Files.h"
#include "install/text/Paths.h"
#include "toolkit/Com.h"
#include "toolkit/FileError.h"
#include "toolkit/FileSystem.h"
#include "toolkit/Text.h"

namespace install {

namespace {

bool GoesIntoAGroup(int kind) {
  return kind != kDesktopFolder && kind != kStartupFolder && kind != kSendToFolder;
}

// The system's text for a COM failure code.
std::wstring ComErrorText(HRESULT result) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  std::wstring text;
  if (buffer != nullptr) {
    text.assign(buffer, length);
    ::LocalFree(buffer);
  }
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  if (!text.empty()) return text;
  char code[16];
  std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(result));
  return toolkit::Widen(std::string("COM エラー 0x") + code);
}

}  // namespace

std::wstring WorkingFolderOf(const std::wstring& target) {
  const std::size_t at = target.find_last_of(L"\\:");
  if (at == std::wstring::npos) return {};
  // Keep a colon, and a backslash that follows a drive's colon.
  const bool keep = target[at] == L':' || (at > 0 && target[at - 1] == L':');
  return target.substr(0, keep ? at + 1 : at);
}

// Without its shell folder a link would land at the root of the current
// drive, so a missing one is an error.
std::wstring ShortcutFolder(const std::string& group, int kind, PlatformFamily family) {
  const std::wstring shellFolder = GetShellFolder(kind, family);
  if (shellFolder.empty()) {
    throw toolkit::FileError("ショートカットを置くフォルダ (種類 %s) がわかりません",
                             std::to_wstring(kind));
  }
  if (!GoesIntoAGroup(kind)) return shellFolder;
  return IncludeTrailingBackslash(shellFolder) + toolkit::PathFromText(group);
}

// The wide link interface takes the texts converted from code page 932
// explicitly; the narrow one would read them in the process code page and
// mangle Japanese names on a system whose code page is not 932. Every step is
// checked: a link that was not saved must not count as made.
void CreateShortcut(const std::string& group, const std::string& name, const std::wstring& target,
                    int kind, const std::string& arguments, PlatformFamily family) {
  const std::wstring folder = ShortcutFolder(group, kind, family);
  const std::wstring linkFile =
      IncludeTrailingBackslash(folder) + toolkit::PathFromText(name) + L".lnk";

  toolkit::ComPtr<IShellLinkW> link;
  const HRESULT created = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkW, reinterpret_cast<void**>(link.Put()));
  if (FAILED(created)) throw toolkit::FileError(ComErrorText(created));
  const toolkit::ComPtr<IPersistFile> file = link.As<IPersistFile>();
  if (!file) throw toolkit::FileError::CannotCreate(linkFile);

  const std::wstring workingFolder = WorkingFolderOf(target);
  const std::wstring description = toolkit::Widen(name);
  for (const HRESULT result :
       {link->SetArguments(toolkit::Widen(arguments).c_str()), link->SetPath(target.c_str()),
        link->SetWorkingDirectory(workingFolder.c_str()),
        link->SetDescription(description.c_str())}) {
    if (FAILED(result)) throw toolkit::FileError::CannotCreate(linkFile);
  }
  if (GoesIntoAGroup(kind) && !toolkit::FolderExists(folder)) ForceFolders(folder);
  if (FAILED(file->Save(linkFile.c_str(), FALSE))) throw toolkit::FileError::CannotCreate(linkFile);
}

}  // namespace install
