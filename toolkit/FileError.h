// The error of a file or folder operation. Its message names the file by its
// real name: a path need not fit code page 932, so the message is kept in
// UTF-16, the form the error display shows; what() gives the code page 932
// rendering of it.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace toolkit {

class FileError : public std::runtime_error {
 public:
  explicit FileError(std::wstring message);
  // The code page 932 message with its "%s" replaced by the path.
  FileError(std::string_view message, std::wstring_view path);

  const std::wstring& Message() const noexcept { return message_; }

  // "ファイル <path> は開けません" and "ファイル <path> を作成できません", the
  // messages of a file that cannot be opened or created.
  static FileError CannotOpen(std::wstring_view path);
  static FileError CannotCreate(std::wstring_view path);

 private:
  std::wstring message_;
};

// What the user is shown for an error: a FileError's own message, the
// code page 932 text of any other.
std::wstring MessageOf(const std::exception& error);

}  // namespace toolkit
