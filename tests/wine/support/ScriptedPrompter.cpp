#include "tests/wine/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include "toolkit/Text.h"

namespace testing_support {

std::vector<std::string> ScriptedPrompter::Messages() const {
  std::vector<std::string> texts;
  for (const Question& question : asked_) {
    if (question.kind == Kind::Message) texts.push_back(toolkit::Narrow(question.message.text));
  }
  return texts;
}

// A box the script did not expect is shown as OK (or Cancel), and fails the test.
toolkit::MessageAnswer ScriptedPrompter::ShowMessage(HWND, const toolkit::MessageRequest& request) {
  if (watcher_) watcher_(request);
  Question question;
  question.kind = Kind::Message;
  question.message = request;
  asked_.push_back(std::move(question));
  if (messageAnswers_.empty()) {
    if (request.buttons == toolkit::MessageButtons::Ok) return toolkit::MessageAnswer::Ok;
    ADD_FAILURE() << "unexpected question: " << toolkit::Narrow(request.text);
    return toolkit::MessageAnswer::Cancel;
  }
  const toolkit::MessageAnswer answer = messageAnswers_.front();
  messageAnswers_.pop_front();
  return answer;
}

std::optional<std::wstring> ScriptedPrompter::ChooseFileToOpen(
    HWND, const toolkit::FileDialogSettings& settings) {
  return NextFile(Kind::OpenFile, settings);
}

std::optional<std::wstring> ScriptedPrompter::ChooseFileToSave(
    HWND, const toolkit::FileDialogSettings& settings) {
  return NextFile(Kind::SaveFile, settings);
}

bool ScriptedPrompter::SetUpPrinter(HWND, toolkit::PrinterChoice& choice) {
  Question question;
  question.kind = Kind::PrinterSetup;
  question.printer = choice;
  asked_.push_back(std::move(question));
  if (printerAnswers_.empty()) {
    ADD_FAILURE() << "unexpected printer set-up dialog";
    return false;
  }
  std::optional<toolkit::PrinterChoice> answer = printerAnswers_.front();
  printerAnswers_.pop_front();
  if (!answer) return false;
  choice = *answer;
  return true;
}

std::optional<std::wstring> ScriptedPrompter::BrowseForFolder(
    HWND, const toolkit::FolderBrowseRequest& request) {
  Question question;
  question.kind = Kind::Folder;
  question.folder = request;
  asked_.push_back(std::move(question));
  if (folderAnswers_.empty()) {
    ADD_FAILURE() << "unexpected folder browser: " << request.caption;
    return std::nullopt;
  }
  std::optional<std::wstring> answer = folderAnswers_.front();
  folderAnswers_.pop_front();
  return answer;
}

std::optional<std::wstring> ScriptedPrompter::NextFile(
    Kind kind, const toolkit::FileDialogSettings& settings) {
  Question question;
  question.kind = kind;
  question.dialog = settings;
  asked_.push_back(std::move(question));
  if (fileAnswers_.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << settings.title;
    return std::nullopt;
  }
  std::optional<std::wstring> answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  return answer;
}

}  // namespace testing_support
