// A stand-in for the user: answers message boxes, file dialogs and the
// folder browser from a script, in order, and records what it was asked.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/Prompter.h"

namespace testing_support {

class ScriptedPrompter final : public toolkit::Prompter {
 public:
  enum class Kind { Message, OpenFile, SaveFile, PrinterSetup, Folder };
  struct Question {
    Kind kind = Kind::Message;
    toolkit::MessageRequest message;
    toolkit::FileDialogSettings dialog;
    // What the printer set-up dialog started from.
    toolkit::PrinterChoice printer;
    // What the folder browser was set up with, its handlers included.
    toolkit::FolderBrowseRequest folder;
  };

  void WillAnswer(toolkit::MessageAnswer answer) { messageAnswers_.push_back(answer); }
  // A path, or nothing for a cancelled dialog.
  void WillChoose(std::optional<std::wstring> path) { fileAnswers_.push_back(std::move(path)); }
  // A printer and its settings, or nothing for a cancelled printer set-up.
  void WillSetUpPrinter(std::optional<toolkit::PrinterChoice> choice) {
    printerAnswers_.push_back(std::move(choice));
  }

  // A folder (empty for an item without a path), or nothing for a
  // cancelled folder browser.
  void WillChooseFolder(std::optional<std::wstring> path) {
    folderAnswers_.push_back(std::move(path));
  }

  // Called with each message box before it is answered, to look at the
  // windows as they are then.
  void WhenAsked(std::function<void(const toolkit::MessageRequest&)> watcher) {
    watcher_ = std::move(watcher);
  }

  const std::vector<Question>& Asked() const { return asked_; }
  // The texts of the message boxes shown so far, in code page 932 (exact for
  // the programs' own texts and paths that fit it).
  std::vector<std::string> Messages() const;
  bool ScriptUsedUp() const {
    return messageAnswers_.empty() && fileAnswers_.empty() && printerAnswers_.empty() &&
           folderAnswers_.empty();
  }

  toolkit::MessageAnswer ShowMessage(HWND owner, const toolkit::MessageRequest& request) override;
  std::optional<std::wstring> ChooseFileToOpen(
      HWND owner, const toolkit::FileDialogSettings& settings) override;
  std::optional<std::wstring> ChooseFileToSave(
      HWND owner, const toolkit::FileDialogSettings& settings) override;
  bool SetUpPrinter(HWND owner, toolkit::PrinterChoice& choice) override;
  std::optional<std::wstring> BrowseForFolder(HWND owner,
                                              const toolkit::FolderBrowseRequest& request) override;

 private:
  std::optional<std::wstring> NextFile(Kind kind, const toolkit::FileDialogSettings& settings);

  std::deque<toolkit::MessageAnswer> messageAnswers_;
  std::deque<std::optional<std::wstring>> fileAnswers_;
  std::deque<std::optional<toolkit::PrinterChoice>> printerAnswers_;
  std::deque<std::optional<std::wstring>> folderAnswers_;
  std::vector<Question> asked_;
  std::function<void(const toolkit::MessageRequest&)> watcher_;
};

}  // namespace testing_support
