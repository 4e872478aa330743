// The file commands as a user meets them: every answer to the questions and
// dialogs of New, Open, Save and closing.
#include <gtest/gtest.h>

#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ScriptedPrompter;
using toolkit::MessageAnswer;
using Bytes = std::vector<std::uint8_t>;

constexpr char kSaveQuestion[] = "現在のファイルは変更されています。保存しますか?";
const Bytes kTwoNotes{0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xC6, 0x28, 0xFF};

class FileCommandsTest : public testing_support::EditorTest {
 protected:
  // A form holding a named melody of one note, with unsaved changes.
  std::unique_ptr<TMelopadForm> ModifiedForm() {
    auto form = std::make_unique<TMelopadForm>(Services());
    form->Melody().SetSongName("旧曲");
    form->Melody().InsertScoreLine(form->Melody().MakeNoteLine(51));
    return form;
  }

  // Chooses a menu entry the way a click does, errors shown as the user sees them.
  void Choose(TMelopadForm& form, const toolkit::MenuItem& item) {
    ::SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
  }

  std::vector<ScriptedPrompter::Kind> AskedKinds() const {
    std::vector<ScriptedPrompter::Kind> kinds;
    for (const auto& question : prompter.Asked()) kinds.push_back(question.kind);
    return kinds;
  }

  std::wstring ReadOnlyFile() {
    const std::wstring path = folder.File(L"readonly.als");
    testing_support::WriteBytes(path, kTwoNotes);
    testing_support::SetReadOnly(path, true);
    return path;
  }

  testing_support::ScratchFolder folder;
  static constexpr auto kMessage = ScriptedPrompter::Kind::Message;
  static constexpr auto kOpen = ScriptedPrompter::Kind::OpenFile;
  static constexpr auto kSave = ScriptedPrompter::Kind::SaveFile;
};

TEST_F(FileCommandsTest, NewWithoutChangesClearsWithoutAskingAndKeepsTheCaption) {
  TMelopadForm form(Services());
  const std::wstring path = folder.File(L"song.als");
  testing_support::WriteBytes(path, kTwoNotes);
  form.LoadAlsFile(path);
  form.Melody().SetTempo(150);
  Choose(form, form.MnuNew);
  EXPECT_TRUE(prompter.Asked().empty());
  EXPECT_EQ(form.Melody().Count(), 0);
  EXPECT_EQ(form.ScoreListBox.Count(), 0);
  EXPECT_EQ(form.Melody().SongName(), "");
  EXPECT_EQ(form.SaveDialog.fileName, L"");
  EXPECT_EQ(form.Text(), "A");
  EXPECT_EQ(form.Melody().Tempo(), 150);
}

TEST_F(FileCommandsTest, NewAsksYesOrNoAndSavesOnYes) {
  auto form = ModifiedForm();
  const std::wstring path = folder.File(L"kept.als");
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillChoose(path);
  Choose(*form, form->MnuNew);
  ASSERT_EQ(AskedKinds(), (std::vector{kMessage, kSave}));
  const toolkit::MessageRequest& question = prompter.Asked()[0].message;
  EXPECT_EQ(question.text, toolkit::Widen(kSaveQuestion));
  EXPECT_EQ(question.caption, "Melopad");
  EXPECT_EQ(question.buttons, toolkit::MessageButtons::YesNo);
  EXPECT_EQ(question.icon, toolkit::MessageIcon::Question);
  EXPECT_EQ(ReadBytes(path),
            (Bytes{0xE1, 0xF0, 0x8B, 0x8C, 0x8B, 0xC8, 0xFD, 0xF1, 0x7E, 0xC4, 0x33, 0xFF}));
  EXPECT_EQ(form->Melody().Count(), 0);
  EXPECT_FALSE(form->Melody().Modified());
}

TEST_F(FileCommandsTest, NewAnsweredNoDiscardsTheChanges) {
  auto form = ModifiedForm();
  prompter.WillAnswer(MessageAnswer::No);
  Choose(*form, form->MnuNew);
  EXPECT_EQ(form->Melody().Count(), 0);
  EXPECT_FALSE(form->Melody().Modified());
}

TEST_F(FileCommandsTest, NewStopsWhenTheSaveIsCancelledOrFails) {
  auto form = ModifiedForm();
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillChoose(std::nullopt);
  Choose(*form, form->MnuNew);
  EXPECT_EQ(form->Melody().Count(), 1);
  EXPECT_TRUE(form->Melody().Modified());

  const std::wstring locked = ReadOnlyFile();
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillChoose(locked);
  Choose(*form, form->MnuNew);
  EXPECT_EQ(prompter.Asked().back().message.text, L"ファイル " + locked + L" を作成できません");
  EXPECT_EQ(form->Melody().Count(), 1);
  EXPECT_TRUE(form->Melody().Modified());
  EXPECT_EQ(ReadBytes(locked), kTwoNotes);
}

TEST_F(FileCommandsTest, OpenWithoutChangesGoesStraightToTheOpenDialog) {
  TMelopadForm form(Services());
  const std::wstring path = folder.File(L"open.als");
  testing_support::WriteBytes(path, kTwoNotes);
  prompter.WillChoose(path);
  Choose(form, form.MnuLoadAls);
  ASSERT_EQ(AskedKinds(), std::vector{kOpen});
  const toolkit::FileDialogSettings& dialog = prompter.Asked()[0].dialog;
  EXPECT_EQ(dialog.title, "Alsファイルを開く");
  EXPECT_EQ(dialog.filter, "PメールDXメロディファイル|*.als");
  EXPECT_TRUE(dialog.fileMustExist && dialog.pathMustExist && dialog.hideReadOnly);
  EXPECT_EQ(form.Melody().Count(), 2);
  EXPECT_EQ(form.SaveDialog.fileName, path);
  EXPECT_FALSE(form.Melody().Modified());
}

TEST_F(FileCommandsTest, OpenWithChangesFollowsTheAnswer) {
  const std::wstring other = folder.File(L"other.als");
  testing_support::WriteBytes(other, kTwoNotes);
  struct Case {
    const char* name;
    MessageAnswer answer;
    std::optional<std::wstring> saveAs;  // only asked after Yes
    bool openDialogShown;
    bool loaded;
  };
  const Case cases[] = {
      {"Cancel", MessageAnswer::Cancel, std::nullopt, false, false},
      {"No", MessageAnswer::No, std::nullopt, true, true},
      {"Yes, saved", MessageAnswer::Yes, folder.File(L"saved.als"), true, true},
      {"Yes, save dialog cancelled", MessageAnswer::Yes, std::nullopt, false, false},
  };
  for (const Case& c : cases) {
    prompter = ScriptedPrompter();
    auto form = ModifiedForm();
    prompter.WillAnswer(c.answer);
    if (c.answer == MessageAnswer::Yes) prompter.WillChoose(c.saveAs);
    if (c.openDialogShown) prompter.WillChoose(other);
    Choose(*form, form->MnuLoadAls);
    EXPECT_EQ(prompter.Asked()[0].message.buttons, toolkit::MessageButtons::YesNoCancel) << c.name;
    EXPECT_EQ(prompter.Asked().back().kind == kOpen, c.openDialogShown) << c.name;
    EXPECT_EQ(form->Text(), c.loaded ? "A" : "Melopad") << c.name;
    EXPECT_EQ(form->Melody().Modified(), !c.loaded) << c.name;
    if (c.saveAs) {
      EXPECT_EQ(ReadBytes(*c.saveAs).size(), 12u) << c.name;
    }
    EXPECT_TRUE(prompter.ScriptUsedUp()) << c.name;
  }
}

TEST_F(FileCommandsTest, OpenSavedThenCancelledKeepsTheMelodySaved) {
  auto form = ModifiedForm();
  const std::wstring saved = folder.File(L"saved.als");
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillChoose(saved);
  prompter.WillChoose(std::nullopt);
  Choose(*form, form->MnuLoadAls);
  EXPECT_EQ(form->Melody().Count(), 1);
  EXPECT_FALSE(form->Melody().Modified());
  EXPECT_EQ(form->SaveDialog.fileName, saved);
}

TEST_F(FileCommandsTest, OpenStopsBeforeTheOpenDialogWhenTheSaveFails) {
  auto form = ModifiedForm();
  const std::wstring locked = ReadOnlyFile();
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillChoose(locked);
  Choose(*form, form->MnuLoadAls);
  EXPECT_EQ(AskedKinds(), (std::vector{kMessage, kSave, kMessage}));
  EXPECT_TRUE(form->Melody().Modified());
}

TEST_F(FileCommandsTest, SaveAsksForANameThenShowsTheSaveDialog) {
  TMelopadForm form(Services());
  form.Melody().InsertScoreLine(form.Melody().MakeRestLine());
  const std::wstring path = folder.File(L"named.als");
  songNameDialog.NameEdit.SetText("ABC");
  ::PostMessageW(songNameDialog.OKButton.Handle(), BM_CLICK, 0, 0);
  prompter.WillChoose(path);
  Choose(form, form.MnuSaveAls);
  const toolkit::FileDialogSettings& dialog = prompter.Asked()[0].dialog;
  EXPECT_EQ(dialog.title, "Alsファイルを保存する");
  EXPECT_EQ(dialog.defaultExtension, "*.als");
  EXPECT_TRUE(dialog.overwritePrompt);
  EXPECT_EQ(ReadBytes(path),
            (Bytes{0xE1, 0xF0, 'A', 'B', 'C', 0xFD, 0xF1, 0x7E, 0xC4, 0x00, 0xFF}));
  EXPECT_EQ(form.Text(), "Melopad") << "saving leaves the caption";
  EXPECT_FALSE(form.Melody().Modified());
}

TEST_F(FileCommandsTest, SaveProposesTheCurrentFileAndKeepsTheNameWhenCancelled) {
  auto form = ModifiedForm();
  const std::wstring current = folder.File(L"current.als");
  form->WriteAlsFile(current);
  form->Melody().InsertScoreLine(form->Melody().MakeRestLine());
  prompter.WillChoose(std::nullopt);
  Choose(*form, form->MnuSaveAls);
  EXPECT_EQ(prompter.Asked()[0].dialog.fileName, current);
  EXPECT_TRUE(form->Melody().Modified());
  EXPECT_EQ(form->Melody().SongName(), "旧曲");
}

TEST_F(FileCommandsTest, ASaveOverAReadOnlyFileIsReportedAndKeepsTheChanges) {
  auto form = ModifiedForm();
  const std::wstring locked = ReadOnlyFile();
  prompter.WillChoose(locked);
  Choose(*form, form->MnuSaveAls);
  EXPECT_EQ(prompter.Messages(),
            std::vector<std::string>{"ファイル " + toolkit::Narrow(locked) + " を作成できません"});
  EXPECT_EQ(prompter.Asked().back().message.icon, toolkit::MessageIcon::Error);
  EXPECT_TRUE(form->Melody().Modified());
  EXPECT_EQ(ReadBytes(locked), kTwoNotes);
}

TEST_F(FileCommandsTest, ClosingFollowsTheAnswer) {
  struct Case {
    const char* name;
    std::optional<MessageAnswer> answer;  // none: nothing changed, no question
    std::optional<std::wstring> saveAs;
    bool closes;
  };
  const std::wstring saved = folder.File(L"closing.als");
  const Case cases[] = {
      {"No", MessageAnswer::No, std::nullopt, true},
      {"Cancel", MessageAnswer::Cancel, std::nullopt, false},
      {"Yes, saved", MessageAnswer::Yes, saved, true},
      {"Yes, save dialog cancelled", MessageAnswer::Yes, std::nullopt, false},
      {"Yes, read-only target", MessageAnswer::Yes, ReadOnlyFile(), false},
  };
  for (const Case& c : cases) {
    prompter = ScriptedPrompter();
    auto form = ModifiedForm();
    form->Show();
    prompter.WillAnswer(*c.answer);
    if (c.answer == MessageAnswer::Yes) prompter.WillChoose(c.saveAs);
    Choose(*form, form->MnuFileExit);
    EXPECT_EQ(form->Visible(), !c.closes) << c.name;
    EXPECT_EQ(prompter.Asked()[0].message.buttons, toolkit::MessageButtons::YesNoCancel) << c.name;
    EXPECT_EQ(form->Melody().Count(), 1) << c.name;
    EXPECT_TRUE(prompter.ScriptUsedUp()) << c.name;
  }
  EXPECT_EQ(ReadBytes(saved).size(), 12u);
}

// The lines a damaged file gave are kept for rescue, but no file holds them:
// closing asks, and Yes asks for a file instead of proposing the one before.
TEST_F(FileCommandsTest, ALoadEndingInAReadErrorLeavesTheLinesTiedToNoFile) {
  TMelopadForm form(Services());
  form.Show();
  const std::wstring first = folder.File(L"first.als");
  testing_support::WriteBytes(first, kTwoNotes);
  form.LoadAlsFile(first);
  const std::wstring damaged = folder.File(L"damaged.als");
  // One pair, then a continuation mark and a length byte without its pitch.
  testing_support::WriteBytes(damaged,
                              {0xE1, 0xF0, 0x42, 0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xA1, 0xC4});
  prompter.WillChoose(damaged);
  Choose(form, form.MnuLoadAls);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"ストリームからの読み込みエラー"});
  EXPECT_EQ(form.Melody().Count(), 1) << "the line read before the error stays";
  EXPECT_EQ(form.Melody().SongName(), "B");
  EXPECT_EQ(form.Text(), "B");
  EXPECT_EQ(form.SaveDialog.fileName, L"");
  EXPECT_TRUE(form.Melody().Modified());

  prompter = ScriptedPrompter();
  prompter.WillAnswer(MessageAnswer::Yes);
  prompter.WillChoose(std::nullopt);
  Choose(form, form.MnuFileExit);
  ASSERT_EQ(AskedKinds(), (std::vector{kMessage, kSave}));
  EXPECT_EQ(prompter.Asked()[1].dialog.fileName, L"") << "no file is proposed";
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(ReadBytes(first), kTwoNotes);
}

TEST_F(FileCommandsTest, ClosingTheMainWindowWithoutChangesEndsTheProgramWithoutAsking) {
  TMelopadForm form(Services());
  ::PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  application.Run(form);
  EXPECT_FALSE(form.HasHandle());
  EXPECT_TRUE(prompter.Asked().empty());
}

}  // namespace
