// Everything the programs ask of the user in a box or a file dialog goes
// through this one interface: the system's implementation shows the real
// boxes, tests put one in its place that answers from a script.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Text.h"

namespace toolkit {

// YesNoAll asks "はい(&Y)", "いいえ(&N)" or "すべて(&A)", the last answered
// All; closed without a button, it answers Cancel.
enum class MessageButtons { Ok, YesNo, YesNoCancel, YesNoAll };
enum class MessageIcon { None, Question, Error, Warning, Information };
enum class MessageAnswer { Ok, Yes, No, Cancel, All };

// A message box. Its text is UTF-16, because a message may name a file by a
// path that code page 932 cannot hold; the programs' own texts are given in
// code page 932 and converted.
struct MessageRequest {
  MessageRequest() = default;
  MessageRequest(std::wstring wideText, std::string title,
                 MessageButtons choices = MessageButtons::Ok,
                 MessageIcon picture = MessageIcon::None)
      : text(std::move(wideText)), caption(std::move(title)), buttons(choices), icon(picture) {}
  MessageRequest(std::string_view cp932Text, std::string title,
                 MessageButtons choices = MessageButtons::Ok,
                 MessageIcon picture = MessageIcon::None)
      : MessageRequest(Widen(cp932Text), std::move(title), choices, picture) {}

  std::wstring text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

// What a file open or save dialog is set up with. The filter is written as
// pairs of description and pattern separated by "|". The file name is the
// path the dialog proposes.
struct FileDialogSettings {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::wstring fileName;
  bool overwritePrompt = false;
  bool hideReadOnly = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
  bool noReadOnlyReturn = false;
  bool resizable = false;
};

// The printer to print on and its settings, as the printer set-up dialog
// leaves them: the printer's name (empty for the default printer) and its
// DEVMODEW with the driver's extra bytes (empty for the printer's defaults).
struct PrinterChoice {
  std::string printerName;
  std::vector<std::uint8_t> deviceMode;
};

// What a handler of the folder browser asks of its OK button.
enum class OkButtonState { NoChange, Enabled, Disabled };

// A handler of the folder browser: called with the browser window and the
// folder's path (empty for an item without one), it may set a status text
// to show (empty clears it) and the state of the OK button.
using FolderBrowseHandler = std::function<void(HWND browser, const std::wstring& path,
                                               std::string& statusText, OkButtonState& okButton)>;

// What the folder browser is set up with. The caption is shown above the
// tree; the tree starts at the root (the desktop when empty) with the
// initial folder selected (none when empty); flags are the BIF_ flags of
// SHBrowseForFolder.
struct FolderBrowseRequest {
  std::string caption;
  std::wstring root;
  std::wstring initialFolder;
  UINT flags = 0;
  FolderBrowseHandler onInitialized;
  FolderBrowseHandler onSelectionChanged;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual MessageAnswer ShowMessage(HWND owner, const MessageRequest& request) = 0;
  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::wstring> ChooseFileToOpen(HWND owner,
                                                       const FileDialogSettings& settings) = 0;
  virtual std::optional<std::wstring> ChooseFileToSave(HWND owner,
                                                       const FileDialogSettings& settings) = 0;
  // The printer set-up dialog, starting from the choice; false when it was
  // cancelled, which leaves the choice as it was.
  virtual bool SetUpPrinter(HWND owner, PrinterChoice& choice) = 0;
  // The chosen folder's path, empty when the chosen item has none; nothing
  // when the browser was cancelled.
  virtual std::optional<std::wstring> BrowseForFolder(HWND owner,
                                                      const FolderBrowseRequest& request) = 0;
};

// Shows the system's message box and common dialogs (files, printer set-up,
// folders).
class SystemPrompter final : public Prompter {
 public:
  MessageAnswer ShowMessage(HWND owner, const MessageRequest& request) override;
  std::optional<std::wstring> ChooseFileToOpen(HWND owner,
                                               const FileDialogSettings& settings) override;
  std::optional<std::wstring> ChooseFileToSave(HWND owner,
                                               const FileDialogSettings& settings) override;
  bool SetUpPrinter(HWND owner, PrinterChoice& choice) override;
  std::optional<std::wstring> BrowseForFolder(HWND owner,
                                              const FolderBrowseRequest& request) override;
};

}  // namespace toolkit
