#include "toolkit/Memo.h"

#include <string>

namespace toolkit {

namespace {

// The edit control breaks lines only at CR LF. A CR or LF byte is never part
// of a double-byte character, so the bytes are looked at one by one.
std::string WithCrLfLineEnds(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      result += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace

void Memo::Create(HWND parent, const Rect& bounds, std::string_view text) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                ES_AUTOVSCROLL;
  if (readOnly_) style |= ES_READONLY;
  CreateStandard(L"EDIT", WS_EX_CLIENTEDGE, style, bounds, parent, {}, NextId(parent));
  // No limit on the length of the text.
  ::SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
  SetLines(text);
}

void Memo::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HasHandle()) ::SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void Memo::SetLines(std::string_view text) {
  SetText(WithCrLfLineEnds(text));
}

void Memo::Clear() {
  SetText({});
}

// A multi-line edit asks the dialog navigation for every key; Esc is left
// to the navigation, which hands it to the form's cancel button.
LRESULT Memo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = Control::HandleMessage(message, wParam, lParam);
  if (message == WM_GETDLGCODE && wParam == VK_ESCAPE) result &= ~DLGC_WANTALLKEYS;
  return result;
}

}  // namespace toolkit
