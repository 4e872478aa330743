// The system prompter's three-button question, worked as a user would: a
// message box whose buttons read "はい(&Y)", "いいえ(&N)" and "すべて(&A)".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/wine/support/WindowDriver.h"
#include "toolkit/Prompter.h"
#include "toolkit/Text.h"

namespace {

using testing_support::TextOf;
using toolkit::MessageAnswer;

TEST(YesNoAllBox, EachButtonGivesItsAnswer) {
  const struct {
    int button;
    MessageAnswer answer;
  } cases[] = {
      {IDABORT, MessageAnswer::Yes}, {IDRETRY, MessageAnswer::No}, {IDIGNORE, MessageAnswer::All}};
  const std::wstring caption = toolkit::Widen("情報");
  for (const auto& c : cases) {
    std::vector<std::wstring> captions;
    std::wstring text;
    testing_support::WindowDriver clicking(
        [&](HWND window) { return testing_support::IsDialogCaptioned(window, caption); },
        [&](HWND box) {
          for (const int button : {IDABORT, IDRETRY, IDIGNORE}) {
            captions.push_back(TextOf(::GetDlgItem(box, button)));
          }
          text = TextOf(::GetDlgItem(box, 0xFFFF));
          ::PostMessageW(::GetDlgItem(box, c.button), BM_CLICK, 0, 0);
        });
    toolkit::SystemPrompter prompter;
    const MessageAnswer answer = prompter.ShowMessage(
        nullptr, {std::string_view("部品は既に存在しますが上書きしてもよろしいですか"), "情報",
                  toolkit::MessageButtons::YesNoAll, toolkit::MessageIcon::Information});
    EXPECT_TRUE(clicking.Acted());
    EXPECT_EQ(answer, c.answer) << c.button;
    EXPECT_EQ(captions,
              (std::vector<std::wstring>{toolkit::Widen("はい(&Y)"), toolkit::Widen("いいえ(&N)"),
                                         toolkit::Widen("すべて(&A)")}));
    EXPECT_EQ(text, toolkit::Widen("部品は既に存在しますが上書きしてもよろしいですか"));
  }
}

// A box over a window that a modal window has disabled leaves it disabled:
// the system enables a box's owner again when the box closes.
TEST(SystemPrompter, ABoxLeavesItsDisabledOwnerDisabled) {
  for (const auto buttons :
       {toolkit::MessageButtons::YesNoCancel, toolkit::MessageButtons::YesNoAll}) {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   100, 100, nullptr, nullptr, nullptr, nullptr);
    ::EnableWindow(owner, FALSE);
    testing_support::WindowDriver answering(
        [](HWND window) { return testing_support::IsDialogCaptioned(window, L"Melopad"); },
        [](HWND box) { ::PostMessageW(box, WM_COMMAND, IDNO, 0); });
    toolkit::SystemPrompter().ShowMessage(owner, {std::string_view("保存しますか?"), "Melopad",
                                                  buttons, toolkit::MessageIcon::Question});
    EXPECT_TRUE(answering.Acted());
    EXPECT_FALSE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);
  }
}

}  // namespace
