// The system's folder browser (SHBrowseForFolder) behind the prompter. Its
// item lists and name buffer come from the shell's allocator and go back to
// it; the request's handlers answer the browser's callback.
#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "toolkit/Application.h"
#include "toolkit/Com.h"
#include "toolkit/DisabledWindows.h"
#include "toolkit/Prompter.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {

constexpr char kNoDesktopFolder[] = "TBrowseDialog: SHGetDesktopFolder Failed.";
constexpr char kNoNameBuffer[] = "TBrowseDialog: ppmem.Alloc Failed.";

struct ShellFree {
  IMalloc* allocator;
  void operator()(void* memory) const { allocator->Free(memory); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ShellFree>;
using NameBuffer = std::unique_ptr<wchar_t, ShellFree>;

// Activates the window that was active before, when the scope ends.
class ReactivatedWindow {
 public:
  ReactivatedWindow() : window_(::GetActiveWindow()) {}
  ReactivatedWindow(const ReactivatedWindow&) = delete;
  ReactivatedWindow& operator=(const ReactivatedWindow&) = delete;
  ~ReactivatedWindow() {
    if (window_ != nullptr && ::IsWindow(window_)) ::SetActiveWindow(window_);
  }

 private:
  HWND window_;
};

// The file-system path of an item; empty for none or an item without one.
std::wstring PathOf(PCIDLIST_ABSOLUTE item) {
  wchar_t path[MAX_PATH] = {};
  if (item == nullptr || !::SHGetPathFromIDListW(item, path)) return {};
  return path;
}

// The item the tree starts at; none (the desktop) when the root is not
// given or does not parse.
ItemList RootList(HWND owner, const std::wstring& root, const ShellFree& free) {
  if (root.empty()) return ItemList(nullptr, free);
  ComPtr<IShellFolder> desktop;
  if (FAILED(::SHGetDesktopFolder(desktop.Put()))) throw std::runtime_error(kNoDesktopFolder);
  std::wstring name = root;
  LPITEMIDLIST list = nullptr;
  if (FAILED(desktop->ParseDisplayName(owner, nullptr, name.data(), nullptr, &list, nullptr))) {
    list = nullptr;
  }
  return ItemList(list, free);
}

// The folder selected at the start. A final backslash goes, except in a
// drive's root ("C:\"), which is named with it.
std::wstring InitialSelection(const std::wstring& folder) {
  std::wstring path = folder;
  if (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

// Every message ends with the handler's answer shown: its status text (so
// an old text is cleared unless a handler gave one) and its OK button state.
void Answer(HWND browser, UINT message, LPARAM lParam, const FolderBrowseRequest& request) {
  std::string status;
  OkButtonState okButton = OkButtonState::NoChange;
  if (message == BFFM_SELCHANGED) {
    const std::wstring path = PathOf(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
    if (request.onSelectionChanged) request.onSelectionChanged(browser, path, status, okButton);
  } else if (message == BFFM_INITIALIZED) {
    std::wstring path;
    if (!request.initialFolder.empty()) {
      path = InitialSelection(request.initialFolder);
      ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    }
    if (request.onInitialized) request.onInitialized(browser, path, status, okButton);
  }
  const std::wstring text = Widen(status);
  ::SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (okButton != OkButtonState::NoChange) {
    ::SendMessageW(browser, BFFM_ENABLEOK, 0, okButton == OkButtonState::Enabled);
  }
}

// Called by the browser; an error in a handler is shown and the browser
// stays open, as in any window procedure of the program.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
  try {
    Answer(browser, message, lParam, *reinterpret_cast<const FolderBrowseRequest*>(data));
  } catch (const std::exception& error) {
    Application::Current().HandleException(error);
  }
  return 0;
}

// The program's other windows are disabled while the browser is open, and
// the window active before is active again after it.
ItemList ShowBrowser(BROWSEINFOW& info, const ShellFree& free) {
  const ReactivatedWindow reactivated;
  const DisabledThreadWindows disabled;
  return ItemList(::SHBrowseForFolderW(&info), free);
}

}  // namespace

// The shell's dialogs want COM on the thread; it is initialised for the
// call unless it already is.
std::optional<std::wstring> SystemPrompter::BrowseForFolder(HWND owner,
                                                            const FolderBrowseRequest& request) {
  const KeptOwnerState kept(owner);
  const ComInitialization com;
  ComPtr<IMalloc> allocator;
  if (FAILED(::SHGetMalloc(allocator.Put()))) return std::nullopt;
  const ShellFree free{allocator.Get()};
  const ItemList root = RootList(owner, request.root, free);
  const NameBuffer displayName(static_cast<wchar_t*>(allocator->Alloc(MAX_PATH * sizeof(wchar_t))),
                               free);
  if (!displayName) throw std::runtime_error(kNoNameBuffer);

  const std::wstring title = Widen(request.caption);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = displayName.get();
  info.lpszTitle = title.c_str();
  info.ulFlags = request.flags;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(&request);
  const ItemList chosen = ShowBrowser(info, free);
  if (!chosen) return std::nullopt;
  return PathOf(chosen.get());
}

}  // namespace toolkit
