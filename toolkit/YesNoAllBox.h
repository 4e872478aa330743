// The system's message box with the buttons "はい(&Y)", "いいえ(&N)" and
// "すべて(&A)", which the system itself does not offer.
#pragma once

#include <windows.h>

#include <string>

namespace toolkit {

// IDYES, IDNO, or IDIGNORE for "すべて(&A)"; IDCANCEL when the box was
// closed without a button. `style` adds icon and other
// MB_ flags to the buttons.
int ShowYesNoAllBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

}  // namespace toolkit
