#include "toolkit/FileError.h"

#include "toolkit/Text.h"

namespace toolkit {

namespace {

std::wstring WithPath(std::string_view message, std::wstring_view path) {
  std::wstring text = Widen(message);
  const std::size_t at = text.find(L"%s");
  if (at != std::wstring::npos) text.replace(at, 2, path);
  return text;
}

}  // namespace

FileError::FileError(std::wstring message)
    : std::runtime_error(Narrow(message)), message_(std::move(message)) {}

FileError::FileError(std::string_view message, std::wstring_view path)
    : FileError(WithPath(message, path)) {}

FileError FileError::CannotOpen(std::wstring_view path) {
  return FileError("ファイル %s は開けません", path);
}

FileError FileError::CannotCreate(std::wstring_view path) {
  return FileError("ファイル %s を作成できません", path);
}

std::wstring MessageOf(const std::exception& error) {
  if (const auto* fileError = dynamic_cast<const FileError*>(&error)) return fileError->Message();
  return Widen(error.what());
}

}  // namespace toolkit
