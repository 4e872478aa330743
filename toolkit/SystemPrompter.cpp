#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "toolkit/DisabledWindows.h"
#include "toolkit/Prompter.h"
#include "toolkit/Text.h"
#include "toolkit/YesNoAllBox.h"

namespace toolkit {

namespace {

UINT ButtonsFlag(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
      return MB_YESNO;
    case MessageButtons::YesNoCancel:
      return MB_YESNOCANCEL;
    case MessageButtons::YesNoAll:
    case MessageButtons::Ok:
      break;
  }
  return MB_OK;
}

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Question:
      return MB_ICONQUESTION;
    case MessageIcon::Error:
      return MB_ICONERROR;
    case MessageIcon::Warning:
      return MB_ICONWARNING;
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
    case MessageIcon::None:
      break;
  }
  return 0;
}

MessageAnswer AnswerOf(int result) {
  switch (result) {
    case IDYES:
      return MessageAnswer::Yes;
    case IDNO:
      return MessageAnswer::No;
    case IDCANCEL:
      return MessageAnswer::Cancel;
    case IDIGNORE:
      return MessageAnswer::All;
    default:
      return MessageAnswer::Ok;
  }
}

// "Description|*.ext" becomes the double-zero-terminated list the dialogs take.
std::wstring DialogFilter(const std::string& filter) {
  std::wstring result = Widen(filter);
  std::replace(result.begin(), result.end(), L'|', L'\0');
  result.append(2, L'\0');
  return result;
}

DWORD DialogFlags(const FileDialogSettings& settings) {
  DWORD flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (settings.overwritePrompt) flags |= OFN_OVERWRITEPROMPT;
  if (settings.hideReadOnly) flags |= OFN_HIDEREADONLY;
  if (settings.pathMustExist) flags |= OFN_PATHMUSTEXIST;
  if (settings.fileMustExist) flags |= OFN_FILEMUSTEXIST;
  if (settings.noReadOnlyReturn) flags |= OFN_NOREADONLYRETURN;
  if (settings.resizable) flags |= OFN_ENABLESIZING;
  return flags;
}

// The buffer for the chosen path holds the longest path the system allows.
constexpr size_t kPathBufferLength = 32768;

std::optional<std::wstring> RunFileDialog(HWND owner, const FileDialogSettings& settings,
                                          BOOL(WINAPI* dialog)(LPOPENFILENAMEW)) {
  const KeptOwnerState kept(owner);
  const std::wstring filter = DialogFilter(settings.filter);
  const std::wstring title = Widen(settings.title);
  std::wstring extension = Widen(settings.defaultExtension);
  // The default extension is given without its "*." decoration.
  if (extension.starts_with(L"*.")) extension.erase(0, 2);
  std::vector<wchar_t> path(kPathBufferLength, L'\0');
  const std::wstring& initial = settings.fileName;
  std::copy_n(initial.begin(), std::min(initial.size(), path.size() - 1), path.begin());

  OPENFILENAMEW dialogSettings{};
  dialogSettings.lStructSize = sizeof dialogSettings;
  dialogSettings.hwndOwner = owner;
  dialogSettings.lpstrFilter = filter.c_str();
  dialogSettings.lpstrFile = path.data();
  dialogSettings.nMaxFile = static_cast<DWORD>(path.size());
  dialogSettings.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialogSettings.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialogSettings.Flags = DialogFlags(settings);
  if (!dialog(&dialogSettings)) return std::nullopt;
  return std::wstring(path.data());
}

}  // namespace

MessageAnswer SystemPrompter::ShowMessage(HWND owner, const MessageRequest& request) {
  const KeptOwnerState kept(owner);
  const std::wstring caption = Widen(request.caption);
  if (request.buttons == MessageButtons::YesNoAll) {
    return AnswerOf(ShowYesNoAllBox(owner, request.text, caption, IconFlag(request.icon)));
  }
  const UINT flags = ButtonsFlag(request.buttons) | IconFlag(request.icon);
  return AnswerOf(::MessageBoxW(owner, request.text.c_str(), caption.c_str(), flags));
}

std::optional<std::wstring> SystemPrompter::ChooseFileToOpen(HWND owner,
                                                             const FileDialogSettings& settings) {
  return RunFileDialog(owner, settings, ::GetOpenFileNameW);
}

std::optional<std::wstring> SystemPrompter::ChooseFileToSave(HWND owner,
                                                             const FileDialogSettings& settings) {
  return RunFileDialog(owner, settings, ::GetSaveFileNameW);
}

}  // namespace toolkit
