#include "toolkit/WrappedText.h"

#include <algorithm>
#include <vector>

namespace toolkit {

namespace {

// Ideographs, kana, full-width forms and the rest of the East Asian blocks:
// a line may break before or after any of them.
bool IsBreakableCharacter(wchar_t c) {
  return c >= 0x2E80;
}

std::vector<std::wstring_view> Paragraphs(std::wstring_view text) {
  std::vector<std::wstring_view> paragraphs;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != L'\r' && text[i] != L'\n') continue;
    paragraphs.push_back(text.substr(start, i - start));
    if (i + 1 < text.size() && text[i] == L'\r' && text[i + 1] == L'\n') ++i;
    start = i + 1;
  }
  return paragraphs;
}

size_t CharactersThatFit(HDC dc, std::wstring_view text, int width) {
  INT fit = 0;
  SIZE size{};
  ::GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), width, &fit, nullptr,
                          &size);
  return static_cast<size_t>(std::max(fit, 0));
}

// Where the next line starts when only `fit` characters fit: at the last
// space or Japanese character boundary within them, else where it is full
// (at least one character, so every line makes progress).
size_t BreakPosition(std::wstring_view text, size_t fit) {
  for (size_t i = fit; i > 0; --i) {
    if (text[i] == L' ') return i;
    if (IsBreakableCharacter(text[i]) || IsBreakableCharacter(text[i - 1])) return i;
  }
  return std::max<size_t>(fit, 1);
}

void AppendWrapped(HDC dc, std::wstring_view paragraph, int width, std::wstring& lines) {
  for (;;) {
    const size_t fit = CharactersThatFit(dc, paragraph, width);
    if (fit >= paragraph.size()) {
      lines += paragraph;
      return;
    }
    const size_t next = BreakPosition(paragraph, fit);
    std::wstring_view line = paragraph.substr(0, next);
    while (!line.empty() && line.back() == L' ') line.remove_suffix(1);
    lines += line;
    lines += L'\n';
    paragraph.remove_prefix(next);
    while (!paragraph.empty() && paragraph.front() == L' ') paragraph.remove_prefix(1);
    if (paragraph.empty()) return;
  }
}

}  // namespace

std::wstring WrappedText(HDC dc, std::wstring_view text, int width) {
  std::wstring lines;
  bool first = true;
  for (const std::wstring_view paragraph : Paragraphs(text)) {
    if (!first) lines += L'\n';
    first = false;
    AppendWrapped(dc, paragraph, width, lines);
  }
  return lines;
}

std::wstring UnwrappedText(std::wstring_view text) {
  std::wstring lines;
  bool first = true;
  for (const std::wstring_view paragraph : Paragraphs(text)) {
    if (!first) lines += L'\n';
    first = false;
    lines += paragraph;
  }
  return lines;
}

}  // namespace toolkit
