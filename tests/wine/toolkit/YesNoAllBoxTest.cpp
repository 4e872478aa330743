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

}  // namespace
