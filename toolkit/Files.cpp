#include "toolkit/Files.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

namespace {

[[noreturn]] void ThrowCannotOpen(const std::string& path) {
  throw std::runtime_error("ファイル " + path + " は開けません");
}

[[noreturn]] void ThrowCannotCreate(const std::string& path) {
  throw std::runtime_error("ファイル " + path + " を作成できません");
}

[[noreturn]] void ThrowReadError() {
  throw std::runtime_error("ストリームからの読み込みエラー");
}

[[noreturn]] void ThrowWriteError() {
  throw std::runtime_error("ストリームへの書き込みエラー");
}

// A file that is deleted again unless Keep() is called.
class TemporaryFile {
 public:
  TemporaryFile(std::wstring path, UniqueFile file)
      : path_(std::move(path)), file_(std::move(file)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    file_.Reset();
    if (!kept_) ::DeleteFileW(path_.c_str());
  }
  HANDLE Handle() const { return file_.Get(); }
  const std::wstring& Path() const { return path_; }
  void Close() { file_.Reset(); }
  void Keep() { kept_ = true; }

 private:
  std::wstring path_;
  UniqueFile file_;
  bool kept_ = false;
};

// A new file in the target's folder, so that moving it in place is a rename
// on the same volume.
std::optional<TemporaryFile> CreateTemporaryBeside(const std::wstring& target) {
  for (DWORD attempt = 0; attempt < 100; ++attempt) {
    std::wstring candidate = target + L".~" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                             std::to_wstring(attempt) + L".tmp";
    UniqueFile file(::CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file)
      return std::optional<TemporaryFile>(std::in_place, std::move(candidate), std::move(file));
    if (::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  return std::nullopt;
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

// An existing target must be one that could be opened for writing (not
// read-only, not locked by another program): replacing it by renaming would
// otherwise bypass what protects it.
void CheckTargetWritable(const std::wstring& target, const std::string& path) {
  // The attribute is checked by itself as well: under Wine run as root the
  // open below succeeds on a read-only file.
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    ThrowCannotCreate(path);
  }
  UniqueFile existing(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!existing && ::GetLastError() != ERROR_FILE_NOT_FOUND) ThrowCannotCreate(path);
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  UniqueFile file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowCannotOpen(path);
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

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::wstring target = Widen(path);
  CheckTargetWritable(target, path);
  std::optional<TemporaryFile> temporary = CreateTemporaryBeside(target);
  if (!temporary) ThrowCannotCreate(path);
  WriteAll(temporary->Handle(), bytes);
  if (!::FlushFileBuffers(temporary->Handle())) ThrowWriteError();
  temporary->Close();
  if (!::MoveFileExW(temporary->Path().c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ThrowCannotCreate(path);
  }
  temporary->Keep();
}

}  // namespace toolkit
