#include "toolkit/Files.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/FileError.h"

namespace toolkit {

namespace {

[[noreturn]] void ThrowReadError() {
  throw std::runtime_error("ストリームからの読み込みエラー");
}

[[noreturn]] void ThrowWriteError() {
  throw std::runtime_error("ストリームへの書き込みエラー");
}

// An existing target must be one that could be opened for writing (not
// read-only, not locked by another program): replacing it by renaming would
// otherwise bypass what protects it.
void CheckTargetWritable(const std::wstring& target) {
  // The attribute is checked by itself as well: under Wine run as root the
  // open below succeeds on a read-only file.
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    throw FileError::CannotCreate(target);
  }
  UniqueFile existing(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!existing && ::GetLastError() != ERROR_FILE_NOT_FOUND) throw FileError::CannotCreate(target);
}

void WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      ThrowWriteError();
    }
    bytes = bytes.subspan(written);
  }
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw FileError::CannotOpen(path);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size)) ThrowReadError();
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) {
      ThrowReadError();
    }
    done += read;
  }
  return bytes;
}

// The new file lies in the target's folder, so that moving it in place is a
// rename on the same volume.
ReplacementFile::ReplacementFile(std::wstring target) : target_(std::move(target)) {
  CheckTargetWritable(target_);
  for (DWORD attempt = 0; attempt < 100 && !file_; ++attempt) {
    std::wstring candidate = target_ + L".~" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                             std::to_wstring(attempt) + L".tmp";
    file_.Reset(::CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file_) {
      temporary_ = std::move(candidate);
    } else if (::GetLastError() != ERROR_FILE_EXISTS) {
      break;
    }
  }
  if (!file_) throw FileError::CannotCreate(target_);
}

ReplacementFile::~ReplacementFile() {
  file_.Reset();
  if (!committed_) ::DeleteFileW(temporary_.c_str());
}

void ReplacementFile::Commit() {
  if (!::FlushFileBuffers(file_.Get())) ThrowWriteError();
  file_.Reset();
  if (!::MoveFileExW(temporary_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    throw FileError::CannotCreate(target_);
  }
  committed_ = true;
}

void WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  ReplacementFile file(path);
  WriteAll(file.Handle(), bytes);
  file.Commit();
}

}  // namespace toolkit
