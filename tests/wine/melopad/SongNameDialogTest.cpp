#include "melopad/windows/Songnamediag.h"

#include <gtest/gtest.h>

#include "tests/wine/support/WindowTest.h"

namespace {

class SongNameDialogTest : public testing_support::WindowTest {};

TEST_F(SongNameDialogTest, EveryWayOfClosingGivesANonZeroResult) {
  TSongNameDialog dialog;
  struct Way {
    const char* name;
    HWND target;
    UINT message;
    WPARAM wParam;
  };
  const Way ways[] = {
      {"OK button", dialog.OKButton.Handle(), BM_CLICK, 0},
      {"close command", dialog.Handle(), WM_CLOSE, 0},
      {"Escape", dialog.Handle(), WM_COMMAND, IDCANCEL},
  };
  for (const Way& way : ways) {
    dialog.NameEdit.SetText("春の歌");
    ::PostMessageW(way.target, way.message, way.wParam, 0);
    EXPECT_NE(dialog.ShowModal(), toolkit::kModalNone) << way.name;
    EXPECT_EQ(dialog.NameEdit.Text(), "春の歌") << way.name;
  }
}

TEST_F(SongNameDialogTest, LaysOutItsControlsAsDesigned) {
  TSongNameDialog dialog;
  EXPECT_EQ(dialog.Text(), "メロディーの名前");
  EXPECT_EQ(dialog.ClientRect().width, 259);
  EXPECT_EQ(dialog.ClientRect().height, 112);
  EXPECT_EQ(dialog.Label1.Text(), "メロディーの名前を入力してください");
  EXPECT_EQ(dialog.OKButton.Text(), "OK");
}

}  // namespace
