// Whole-file reading and writing for the programs' documents, and the
// replacing of a file only once its new contents are complete. Failures are
// reported with the messages the user knows from the file commands, naming
// the file by its real path.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

// Throws FileError "ファイル <path> は開けません" when the file cannot be
// opened, and std::runtime_error "ストリームからの読み込みエラー" when reading
// fails.
std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path);

// A new file written beside its target and moved into the target's place by
// Commit(), so a failure at any point leaves an existing target as it was.
// Without Commit() the new file is deleted again.
class ReplacementFile {
 public:
  // Throws FileError "ファイル <target> を作成できません" when an existing target
  // could not be written (read-only, a folder, locked by another program) or
  // the new file cannot be created.
  explicit ReplacementFile(std::wstring target);
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  ~ReplacementFile();

  // The new file, open for writing.
  HANDLE Handle() const { return file_.Get(); }
  const std::wstring& Target() const { return target_; }

  // Flushes and closes the new file and puts it in the target's place.
  // Throws std::runtime_error "ストリームへの書き込みエラー" when the flush
  // fails and FileError "ファイル <target> を作成できません" when the target
  // cannot be replaced.
  void Commit();

 private:
  std::wstring target_;
  std::wstring temporary_;
  UniqueFile file_;
  bool committed_ = false;
};

// Writes the bytes to the file through a ReplacementFile. Throws its errors,
// and std::runtime_error "ストリームへの書き込みエラー" when writing fails.
void WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes);

}  // namespace toolkit
