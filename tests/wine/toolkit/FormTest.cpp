#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/wine/support/WindowTest.h"

namespace {

using testing_support::WindowTest;

toolkit::FormDesign SmallDesign(const char* caption) {
  toolkit::FormDesign design;
  design.caption = caption;
  design.clientWidth = 200;
  design.clientHeight = 100;
  return design;
}

class DialogForm : public toolkit::Form {
 public:
  DialogForm() : Form(SmallDesign("ダイアログ")) {
    OkButton.SetModalResult(toolkit::kModalOk);
    PlaceControls({{OkButton, {10, 10, 60, 24}, "OK"}, {NameEdit, {10, 40, 100, 20}, "初期値"}});
  }
  bool mayClose = true;
  toolkit::Button OkButton;
  toolkit::Edit NameEdit;

 protected:
  bool FormCloseQuery() override { return mayClose; }
};

class FormTest : public WindowTest {};

TEST_F(FormTest, DesignSetsCaptionAndClientSize) {
  toolkit::Form form(SmallDesign("表示テスト"));
  EXPECT_EQ(form.Text(), "表示テスト");
  const toolkit::Rect client = form.ClientRect();
  EXPECT_EQ(client.width, 200);
  EXPECT_EQ(client.height, 100);
}

TEST_F(FormTest, ADesignedOuterSizeIsTheWholeWindowsSize) {
  toolkit::FormDesign design = SmallDesign("外形");
  design.width = 289;
  design.height = 388;
  design.border = toolkit::BorderStyle::Sizeable;
  toolkit::Form form(design);
  RECT outer{};
  ::GetWindowRect(form.Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 289);
  EXPECT_EQ(outer.bottom - outer.top, 388);
  EXPECT_LT(form.ClientRect().width, 289) << "the frame takes its part";
}

TEST_F(FormTest, ModalFormEndsWithTheClickedButtonsResult) {
  DialogForm dialog;
  ::PostMessageW(dialog.OkButton.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), toolkit::kModalOk);
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(FormTest, ClosingAModalFormGivesCancelUnlessCloseQueryRefuses) {
  DialogForm dialog;
  dialog.mayClose = false;
  int idleTurns = 0;
  // While the form refuses, closing does nothing; then the OK button ends it.
  application.SetIdleHandler([&](bool&) {
    if (++idleTurns == 1) {
      dialog.Close();
      EXPECT_TRUE(dialog.Visible());
      dialog.mayClose = true;
      dialog.Close();
    }
  });
  EXPECT_EQ(dialog.ShowModal(), toolkit::kModalCancel);
  application.ClearIdleHandler();
}

TEST_F(FormTest, OtherWindowsAreDisabledOnlyWhileAModalFormIsShown) {
  toolkit::Form owner(SmallDesign("親"));
  owner.Show();
  DialogForm dialog;
  bool ownerEnabledDuringModal = true;
  application.SetIdleHandler([&](bool&) {
    ownerEnabledDuringModal = owner.Enabled();
    dialog.SetModalResult(toolkit::kModalOk);
  });
  dialog.ShowModal();
  application.ClearIdleHandler();
  EXPECT_FALSE(ownerEnabledDuringModal);
  EXPECT_TRUE(owner.Enabled());
}

// Left for another window and activated again, a form gives the keyboard
// back to the control that had it, not to itself.
TEST_F(FormTest, AReactivatedFormGivesTheKeyboardBackToItsControl) {
  DialogForm form;
  form.Show();
  ::SetActiveWindow(form.Handle());
  ::SetFocus(form.NameEdit.Handle());
  {
    toolkit::Form other(SmallDesign("他"));
    other.Show();
    ::SetActiveWindow(other.Handle());
    ASSERT_EQ(::GetActiveWindow(), other.Handle());
  }
  ::SetActiveWindow(form.Handle());
  EXPECT_EQ(::GetFocus(), form.NameEdit.Handle());
}

TEST_F(FormTest, TextOfAnEditSurvivesTheRoundTripThroughTheWindow) {
  DialogForm dialog;
  EXPECT_EQ(dialog.NameEdit.Text(), "初期値");
  const std::string longName(5000, 'a');
  dialog.NameEdit.SetText(longName + "表");
  EXPECT_EQ(dialog.NameEdit.Text(), longName + "表");
}

TEST_F(FormTest, AnErrorInAHandlerIsShownAndEndsOnlyThatCommand) {
  DialogForm dialog;
  dialog.OkButton.OnClick = [] { throw std::runtime_error("ストリームへの書き込みエラー"); };
  ::SendMessageW(dialog.OkButton.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(prompter.Messages(), std::vector<std::string>{"ストリームへの書き込みエラー"});
  EXPECT_EQ(prompter.Asked().front().message.caption, "Melopad");
  EXPECT_EQ(prompter.Asked().front().message.icon, toolkit::MessageIcon::Error);
  EXPECT_TRUE(dialog.HasHandle());
}

// Enter and Esc reach the default and cancel buttons only while those can
// be clicked: greyed or hidden, they do nothing, and Esc closes nothing.
TEST_F(FormTest, KeysClickOnlyButtonsThatCanBeClicked) {
  class KeyedForm : public toolkit::Form {
   public:
    KeyedForm() : Form(SmallDesign("キー")) {
      Ok.SetDefault(true);
      Cancel.SetCancel(true);
      PlaceControls({{Ok, {10, 10, 60, 24}, "OK"},
                     {Cancel, {80, 10, 60, 24}, "取消"},
                     {Field, {10, 40, 100, 20}, ""}});
      EnableDialogNavigation();
    }
    toolkit::Button Ok, Cancel;
    toolkit::Edit Field;
  } form;
  std::string clicked;
  form.Ok.OnClick = [&] { clicked += "ok "; };
  form.Cancel.OnClick = [&] { clicked += "cancel"; };
  form.Show();
  const struct {
    bool enabled, visible;
    std::string clicked;
  } rows[] = {{true, true, "ok cancel"}, {false, true, ""}, {true, false, ""}};
  for (const auto& row : rows) {
    clicked.clear();
    for (toolkit::Button* button : {&form.Ok, &form.Cancel}) {
      button->SetEnabled(row.enabled);
      button->SetVisible(row.visible);
    }
    ::SetFocus(form.Field.Handle());
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
      MSG typed{form.Field.Handle(), WM_KEYDOWN, key, 1};
      if (!form.PreTranslateMessage(typed)) ::DispatchMessageW(&typed);
    }
    EXPECT_EQ(clicked, row.clicked) << row.enabled << row.visible;
    EXPECT_TRUE(form.Visible());
  }
}

TEST_F(FormTest, IdleHandlerRunsUntilItSaysItIsDone) {
  int calls = 0;
  application.SetIdleHandler([&](bool& done) {
    ++calls;
    done = calls >= 3;
    if (done) application.ClearIdleHandler();
  });
  application.RunUntil([&] { return !application.HasIdleHandler(); });
  EXPECT_EQ(calls, 3);
}

TEST_F(FormTest, ClosingTheMainFormEndsTheMessageLoop) {
  toolkit::Form mainForm(SmallDesign("メイン"));
  application.SetIdleHandler([&](bool&) { mainForm.Close(); });
  application.Run(mainForm);
  application.ClearIdleHandler();
  EXPECT_FALSE(mainForm.HasHandle());
}

}  // namespace
