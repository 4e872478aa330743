#include "toolkit/ToolTip.h"

#include <commctrl.h>

#include <string>

#include "toolkit/Application.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {

TTTOOLINFOW ToolOf(HWND owner, HWND control) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

void ToolTip::Create(HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  window_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr));
  if (!window_) Application::ThrowLastError("CreateWindowEx");
}

void ToolTip::Add(HWND control, std::string_view text) {
  std::wstring hint = Widen(text);
  TTTOOLINFOW tool = ToolOf(::GetParent(control), control);
  tool.lpszText = hint.data();
  ::SendMessageW(window_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string ToolTip::Hint(HWND control) const {
  // Tool tips hold at most 80 characters unless asked otherwise; hints are short.
  wchar_t text[256] = {};
  TTTOOLINFOW tool = ToolOf(::GetParent(control), control);
  tool.lpszText = text;
  ::SendMessageW(window_.Get(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return Narrow(text);
}

}  // namespace toolkit
