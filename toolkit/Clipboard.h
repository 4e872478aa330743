// The system clipboard: formats registered by name, and whole contents put
// on it or read from it, each access opening and closing it again.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace toolkit {

// The number of a format registered by name; the same in every program.
UINT ClipboardFormat(const wchar_t* name);

// One format of what is put on the clipboard, with its bytes.
struct ClipboardData {
  UINT format;
  std::vector<std::uint8_t> bytes;
};

// Replaces the clipboard's contents with these formats. Throws
// std::runtime_error "クリップボードを開けません" when the clipboard cannot be
// opened or written (another program holding it, say).
void PutOnClipboard(HWND owner, std::span<const ClipboardData> contents);
// UTF-16 text as the system's Unicode text format holds it, with its zero.
ClipboardData UnicodeTextData(std::wstring_view text);

bool ClipboardHolds(UINT format);
// The bytes of a format on the clipboard; nothing when it is not there or
// the clipboard cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadClipboard(HWND owner, UINT format);
// The clipboard's Unicode text up to its first zero, if it holds text.
std::optional<std::wstring> ReadClipboardText(HWND owner);

}  // namespace toolkit
