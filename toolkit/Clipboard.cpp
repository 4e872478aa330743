#include "toolkit/Clipboard.h"

#include <cstring>
#include <stdexcept>

#include "toolkit/UniqueHandle.h"

namespace toolkit {

namespace {

constexpr char kCannotOpen[] = "クリップボードを開けません";

// The clipboard open for one scope.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(::OpenClipboard(owner) != 0) {}
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (open_) ::CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

// Movable global memory holding the bytes, as the clipboard takes it.
UniqueGlobal GlobalCopy(std::span<const std::uint8_t> bytes) {
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size()));
  if (!memory) throw std::runtime_error(kCannotOpen);
  const LockedGlobal locked(memory.Get());
  if (locked.Get() == nullptr) throw std::runtime_error(kCannotOpen);
  if (!bytes.empty()) std::memcpy(locked.Get(), bytes.data(), bytes.size());
  return memory;
}

}  // namespace

UINT ClipboardFormat(const wchar_t* name) {
  return ::RegisterClipboardFormatW(name);
}

ClipboardData UnicodeTextData(std::wstring_view text) {
  std::vector<std::uint8_t> bytes((text.size() + 1) * sizeof(wchar_t), 0);
  std::memcpy(bytes.data(), text.data(), text.size() * sizeof(wchar_t));
  return {CF_UNICODETEXT, std::move(bytes)};
}

void PutOnClipboard(HWND owner, std::span<const ClipboardData> contents) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen() || !::EmptyClipboard()) throw std::runtime_error(kCannotOpen);
  for (const ClipboardData& data : contents) {
    UniqueGlobal memory = GlobalCopy(data.bytes);
    if (::SetClipboardData(data.format, memory.Get()) == nullptr) {
      throw std::runtime_error(kCannotOpen);
    }
    // The clipboard owns the memory now.
    memory.Release();
  }
}

bool ClipboardHolds(UINT format) {
  return ::IsClipboardFormatAvailable(format) != 0;
}

std::optional<std::vector<std::uint8_t>> ReadClipboard(HWND owner, UINT format) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return std::nullopt;
  HANDLE data = ::GetClipboardData(format);
  if (data == nullptr) return std::nullopt;
  const LockedGlobal locked(data);
  if (locked.Get() == nullptr) return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(locked.Get());
  return std::vector<std::uint8_t>(bytes, bytes + locked.Size());
}

std::optional<std::wstring> ReadClipboardText(HWND owner) {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadClipboard(owner, CF_UNICODETEXT);
  if (!bytes) return std::nullopt;
  std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
  text.resize(std::wcslen(text.c_str()));
  return text;
}

}  // namespace toolkit
