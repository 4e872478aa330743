// The editing commands as the user reaches them: tool bar buttons, the
// score list's keys, the context menu and the rename entry.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "melopad/model/ScoreLine.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Text.h"

namespace {

class EditingCommandsTest : public testing_support::EditorTest {
 protected:
  // A form with the notes C, D, E (pitch codes 51, 53, 55) and the given
  // line selected.
  std::unique_ptr<TMelopadForm> FormWithThreeNotes(int selected) {
    auto form = std::make_unique<TMelopadForm>(Services());
    for (int pitch : {51, 53, 55})
      form->Melody().InsertScoreLine(form->Melody().MakeNoteLine(pitch));
    form->Melody().SetSelectedIndex(selected);
    form->Melody().SetModified(false);
    return form;
  }

  static int PitchAt(const TMelopadForm& form, int index) {
    return melopad::ParseScoreLine(form.Melody().Lines()[static_cast<size_t>(index)]).pitchCode;
  }

  void PressDelete(TMelopadForm& form) {
    ::SendMessageW(form.ScoreListBox.Handle(), WM_KEYDOWN, VK_DELETE, 0);
  }
};

TEST_F(EditingCommandsTest, ToolBarButtonsStandAtTheirPlacesWithTheirCaptions) {
  TMelopadForm form(Services());
  const struct {
    const toolkit::SpeedButton& button;
    int left;
    const char* caption;
  } buttons[] = {
      {form.PlayButton, 7, "再生"},
      {form.DiffPlayButton, 68, "途中再生"},
      {form.DeleteButton, 130, "音符削除"},
      {form.PauseButton, 191, "休符挿入"},
  };
  for (const auto& b : buttons) {
    RECT place{};
    ::GetWindowRect(b.button.Handle(), &place);
    ::MapWindowPoints(nullptr, form.ToolBarPanel.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, b.left) << b.caption;
    EXPECT_EQ(place.top, 6) << b.caption;
    EXPECT_EQ(place.right - place.left, 60) << b.caption;
    EXPECT_EQ(place.bottom - place.top, 18) << b.caption;
    EXPECT_EQ(b.button.Text(), b.caption);
  }
}

TEST_F(EditingCommandsTest, DeletingSelectsTheLineThatMovedUpOrTheNewLastLine) {
  struct Case {
    int selected;
    std::vector<int> left;
    int selectedAfter;
  };
  for (const Case& c : {Case{1, {51, 55}, 1}, Case{2, {51, 53}, 1}, Case{0, {53, 55}, 0}}) {
    auto form = FormWithThreeNotes(c.selected);
    PressDelete(*form);
    ASSERT_EQ(form->Melody().Count(), 2) << c.selected;
    EXPECT_EQ(PitchAt(*form, 0), c.left[0]) << c.selected;
    EXPECT_EQ(PitchAt(*form, 1), c.left[1]) << c.selected;
    EXPECT_EQ(form->Melody().SelectedIndex(), c.selectedAfter) << c.selected;
    EXPECT_EQ(form->ScoreListBox.ItemIndex(), c.selectedAfter) << c.selected;
    EXPECT_EQ(form->ScoreListBox.Count(), 2);
    EXPECT_TRUE(form->Melody().Modified());
  }
  EXPECT_TRUE(sounds.played.empty()) << "deleting makes no sound";
}

TEST_F(EditingCommandsTest, DeletingTheOnlyLineLeavesNoSelection) {
  TMelopadForm form(Services());
  form.Melody().InsertScoreLine(form.Melody().MakeRestLine());
  form.DeleteButton.Click();
  EXPECT_EQ(form.Melody().Count(), 0);
  EXPECT_EQ(form.Melody().SelectedIndex(), -1);
  EXPECT_EQ(form.ScoreListBox.ItemIndex(), -1);
}

TEST_F(EditingCommandsTest, DeleteWithoutASelectionDoesNothing) {
  auto form = FormWithThreeNotes(-1);
  PressDelete(*form);
  form->DeleteButton.Click();
  EXPECT_EQ(form->Melody().Count(), 3);
  EXPECT_FALSE(form->Melody().Modified());
}

TEST_F(EditingCommandsTest, TheContextMenusDeleteActsLikeTheButton) {
  auto form = FormWithThreeNotes(0);
  form->PopupMenu.Click(form->pMnuDelete);
  EXPECT_EQ(form->Melody().Count(), 2);
  EXPECT_EQ(PitchAt(*form, 0), 53);
}

TEST_F(EditingCommandsTest, TheRestButtonInsertsARestOfTheCurrentLengthAfterTheSelection) {
  auto form = FormWithThreeNotes(0);
  form->LengthButtons[6].Click();
  form->PauseButton.Click();
  EXPECT_EQ(form->Melody().Lines()[1], "　休符     8分音符     0 198");
  EXPECT_EQ(form->Melody().SelectedIndex(), 1);
  EXPECT_TRUE(form->Melody().Modified());
}

TEST_F(EditingCommandsTest, RenamingShowsTheCurrentNameAndTakesTheNewOne) {
  TMelopadForm form(Services());
  form.Melody().SetSongName("旧名");
  // The dialog opens with the current name; the user types a new one.
  application.SetIdleHandler([&](bool&) {
    application.ClearIdleHandler();
    EXPECT_EQ(songNameDialog.NameEdit.Text(), "旧名");
    songNameDialog.NameEdit.SetText("新名");
    songNameDialog.OKButton.Click();
  });
  form.MnuOptionSongNameClick();
  EXPECT_EQ(form.Melody().SongName(), "新名");
  EXPECT_EQ(form.Text(), "新名");
  EXPECT_TRUE(form.Melody().Modified());
}

TEST_F(EditingCommandsTest, AnEmptyNameIsAcceptedAndTheNextSaveFallsBackToUntitled) {
  TMelopadForm form(Services());
  form.Melody().SetSongName("旧名");
  application.SetIdleHandler([&](bool&) {
    application.ClearIdleHandler();
    songNameDialog.NameEdit.SetText("");
    songNameDialog.Close();
  });
  form.MnuOptionSongNameClick();
  EXPECT_EQ(form.Melody().SongName(), "");
  EXPECT_EQ(form.Text(), "");

  testing_support::ScratchFolder folder;
  const std::wstring path = folder.File(L"renamed.als");
  ::PostMessageW(songNameDialog.Handle(), WM_CLOSE, 0, 0);
  form.WriteAlsFile(path);
  const auto bytes = testing_support::ReadBytes(path);
  EXPECT_EQ(std::string(bytes.begin() + 2, bytes.begin() + 6), "無題");
}

TEST_F(EditingCommandsTest, ChangingOnlyTheTempoDoesNotAskOnClosing) {
  TMelopadForm form(Services());
  form.TempoUpDown.SetPosition(150);
  form.HyoushiUpDown.SetPosition(3);
  EXPECT_FALSE(form.Melody().Modified());
  form.Show();
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(prompter.Asked().empty());
}

// A user's changes taken back one by one to the file as it was opened, which
// saves byte for byte as it was read, and done again up to the last change.
TEST_F(EditingCommandsTest, UndoGoesBackToTheFileAsOpenedAndRedoForward) {
  testing_support::ScratchFolder folder;
  const std::vector<std::uint8_t> song{0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E,
                                       0xC4, 0x27, 0xC4, 0x29, 0xFF};
  testing_support::WriteBytes(folder.File(L"song.als"), song);
  TMelopadForm form(Services(), folder.File(L"song.als"));
  const auto command = [&](const toolkit::MenuItem& item) {
    ::SendMessageW(form.Handle(), WM_COMMAND, static_cast<WPARAM>(item.Id()), 0);
  };
  EXPECT_FALSE(form.MnuEditUndo.Enabled());
  std::vector<std::vector<std::string>> states = {form.Melody().Lines()};
  form.Melody().SetSelectedIndex(0);
  for (const char key : {'q', 'w'}) {
    form.ScoreListBoxKeyPress(key);
    states.push_back(form.Melody().Lines());
  }
  PressDelete(form);
  states.push_back(form.Melody().Lines());
  form.PauseButtonClick();
  states.push_back(form.Melody().Lines());
  for (std::size_t i = states.size() - 1; i-- > 0;) {
    command(form.MnuEditUndo);
    EXPECT_EQ(form.Melody().Lines(), states[i]) << "undone to " << i;
  }
  EXPECT_FALSE(form.Melody().Modified());
  EXPECT_FALSE(form.MnuEditUndo.Enabled());
  form.WriteAlsFile(folder.File(L"again.als"));
  EXPECT_EQ(testing_support::ReadBytes(folder.File(L"again.als")), song);
  for (std::size_t i = 1; i < states.size(); ++i) {
    command(form.MnuEditRedo);
    EXPECT_EQ(form.Melody().Lines(), states[i]) << "redone to " << i;
  }
  EXPECT_TRUE(form.Melody().Modified());
  EXPECT_FALSE(form.MnuEditRedo.Enabled());
}

// A range picked with Shift and the arrow keys is moved an octave up and a
// semitone down, refused past the keyboard's top, deleted whole, and every
// step undone back to the notes it started from.
TEST_F(EditingCommandsTest, ARangeIsTransposedAndDeletedWholeAndUndoneBack) {
  auto form = FormWithThreeNotes(0);
  const auto command = [&](const toolkit::MenuItem& item) {
    ::SendMessageW(form->Handle(), WM_COMMAND, static_cast<WPARAM>(item.Id()), 0);
  };
  const auto pitches = [&] {
    std::vector<int> codes;
    for (int i = 0; i < form->Melody().Count(); ++i) codes.push_back(PitchAt(*form, i));
    return codes;
  };
  std::array<BYTE, 256> keys{};
  ::GetKeyboardState(keys.data());
  keys[VK_SHIFT] = 0x80;
  ::SetKeyboardState(keys.data());
  ::SendMessageW(form->ScoreListBox.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  keys[VK_SHIFT] = 0;
  ::SetKeyboardState(keys.data());
  EXPECT_EQ(form->Melody().SelectedRange(), std::make_pair(0, 1));

  command(form->MnuEditOctaveUp);
  command(form->MnuEditSemitoneDown);
  EXPECT_EQ(pitches(), (std::vector<int>{62, 64, 55}));
  EXPECT_EQ(std::string(melopad::SplitScoreLine(form->Melody().Lines()[0]).pitchLabel), "　B-3");
  command(form->MnuEditOctaveUp);  // 64 would be 76, past the top's 74
  EXPECT_EQ(prompter.Messages(),
            std::vector<std::string>{"音符が鍵盤の音域(C-2～B-4)を超えるため、移調できません"});
  EXPECT_EQ(pitches(), (std::vector<int>{62, 64, 55}));
  PressDelete(*form);
  EXPECT_EQ(pitches(), std::vector<int>{55});
  EXPECT_EQ(form->Melody().SelectedIndex(), 0);

  const std::vector<std::vector<int>> back = {{62, 64, 55}, {63, 65, 55}, {51, 53, 55}};
  for (const std::vector<int>& expected : back) {
    command(form->MnuEditUndo);
    EXPECT_EQ(pitches(), expected);
    EXPECT_EQ(form->Melody().SelectedRange(), std::make_pair(0, 1));
  }
}

// Cut in one window and pasted in another through the editor's own format;
// text typed by hand pastes too, and text that is not notes inserts nothing
// and names its line.
TEST_F(EditingCommandsTest, LinesCutInOneWindowArePastedInAnother) {
  auto source = FormWithThreeNotes(0);
  auto target = FormWithThreeNotes(2);
  const auto command = [](TMelopadForm& form, const toolkit::MenuItem& item) {
    ::SendMessageW(form.Handle(), WM_COMMAND, static_cast<WPARAM>(item.Id()), 0);
  };
  source->Melody().SetSelectionRange(0, 1);
  command(*source, source->MnuEditCut);
  EXPECT_EQ(source->Melody().Count(), 1);
  EXPECT_EQ(toolkit::ReadClipboardText(source->Handle()),
            toolkit::Widen("C-3 4分音符\r\nD-3 4分音符\r\n"));
  command(*target, target->MnuEditPaste);
  std::vector<int> pitches;
  for (int i = 0; i < target->Melody().Count(); ++i) pitches.push_back(PitchAt(*target, i));
  EXPECT_EQ(pitches, (std::vector<int>{51, 53, 55, 51, 53}));
  EXPECT_EQ(target->Melody().SelectedRange(), std::make_pair(3, 4));

  const toolkit::ClipboardData typed[] = {
      toolkit::UnicodeTextData(toolkit::Widen("休符 8分音符\r\n\r\nB-4 全音符"))};
  toolkit::PutOnClipboard(target->Handle(), typed);
  target->Melody().SetSelectedIndex(-1);
  command(*target, target->MnuEditPaste);
  EXPECT_EQ(PitchAt(*target, 0), 0);
  EXPECT_EQ(PitchAt(*target, 1), 74);
  const toolkit::ClipboardData mail[] = {
      toolkit::UnicodeTextData(L"C-3 4\u5206\u97f3\u7b26\r\nHello")};
  toolkit::PutOnClipboard(target->Handle(), mail);
  command(*target, target->MnuEditPaste);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"2 行目「Hello」は音符として読めません"});
  EXPECT_EQ(target->Melody().Count(), 7);
  command(*target, target->MnuEditUndo);
  EXPECT_EQ(target->Melody().Count(), 5);
}

}  // namespace
