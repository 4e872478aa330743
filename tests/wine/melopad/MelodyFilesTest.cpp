#include <gtest/gtest.h>

#include <stdexcept>

#include "melopad/alsfile/AlsFile.h"
#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Songnamediag.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/TestFiles.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

class MelodyFilesTest : public testing_support::EditorTest {
 protected:
  // A melody with notes, rests and several lengths, as typed.
  void TypeMelody(melopad::Melody& melody) {
    const struct {
      int lengthIndex;
      int pitch;
    } notes[] = {{4, 39}, {6, 51}, {7, 0}, {13, 74}, {0, 63}, {10, 0}};
    for (const auto& note : notes) {
      melody.SetSelectedLengthIndex(note.lengthIndex);
      melody.InsertScoreLine(note.pitch == 0 ? melody.MakeRestLine()
                                             : melody.MakeNoteLine(note.pitch));
    }
    melody.SetTempo(121);
  }

  testing_support::ScratchFolder folder;
};

TEST_F(MelodyFilesTest, SavedMelodyLoadsBackAndSavesToTheSameBytes) {
  TMelopadForm form(Services());
  TypeMelody(form.Melody());
  form.Melody().SetSongName("テスト曲");
  const std::wstring first = folder.File(L"first.als");
  form.WriteAlsFile(first);
  EXPECT_FALSE(form.Melody().Modified());
  EXPECT_EQ(form.SaveDialog.fileName, first);

  TMelopadForm reloaded(Services());
  reloaded.LoadAlsFile(first);
  EXPECT_EQ(reloaded.Text(), "テスト曲");
  EXPECT_EQ(reloaded.Melody().Tempo(), 120);
  EXPECT_EQ(reloaded.Melody().Lines(), form.Melody().Lines());
  EXPECT_EQ(reloaded.ScoreListBox.Count(), reloaded.Melody().Count());
  EXPECT_FALSE(reloaded.Melody().Modified());
  EXPECT_EQ(reloaded.SaveDialog.fileName, first);

  const std::wstring second = folder.File(L"second.als");
  reloaded.WriteAlsFile(second);
  EXPECT_EQ(ReadBytes(second), ReadBytes(first));
}

TEST_F(MelodyFilesTest, AMelodyWithoutANameIsNamedThroughTheDialog) {
  TMelopadForm form(Services());
  TypeMelody(form.Melody());
  songNameDialog.NameEdit.SetText("夜想曲");
  ::PostMessageW(songNameDialog.OKButton.Handle(), BM_CLICK, 0, 0);
  const std::wstring path = folder.File(L"named.als");
  form.WriteAlsFile(path);
  EXPECT_EQ(form.Melody().SongName(), "夜想曲");
  EXPECT_EQ(form.Text(), "Melopad") << "saving does not change the caption";
  const Bytes bytes = ReadBytes(path);
  EXPECT_EQ(Bytes(bytes.begin() + 2, bytes.begin() + 8),
            Bytes({0x96, 0xE9, 0x91, 0x7A, 0x8B, 0xC8}));
}

TEST_F(MelodyFilesTest, ANameLeftEmptyIsSavedAsUntitled) {
  TMelopadForm form(Services());
  songNameDialog.NameEdit.SetText("");
  ::PostMessageW(songNameDialog.Handle(), WM_CLOSE, 0, 0);
  const std::wstring path = folder.File(L"untitled.als");
  form.WriteAlsFile(path);
  EXPECT_EQ(ReadBytes(path), Bytes({0xE1, 0xF0, 0x96, 0xB3, 0x91, 0xE8, 0xFD, 0xF1, 0x7E, 0xFF}));
}

TEST_F(MelodyFilesTest, AFailedSaveKeepsTheOldFileAndTheMelodyModified) {
  TMelopadForm form(Services());
  TypeMelody(form.Melody());
  form.Melody().SetSongName("曲");
  const std::wstring path = folder.File(L"readonly.als");
  const Bytes old{0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E, 0xFF};
  WriteBytes(path, old);
  testing_support::SetReadOnly(path, true);
  EXPECT_EQ(testing_support::WideErrorMessageOf([&] { form.WriteAlsFile(path); }),
            L"ファイル " + path + L" を作成できません");
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_TRUE(form.Melody().Modified());
  EXPECT_EQ(form.SaveDialog.fileName, L"");
}

TEST_F(MelodyFilesTest, AFileThatCannotBeOpenedLeavesTheMelodyAsItWas) {
  TMelopadForm form(Services());
  const std::wstring current = folder.File(L"current.als");
  WriteBytes(current, {0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xC4, 0x00, 0xFF});
  form.LoadAlsFile(current);
  form.Melody().InsertScoreLine(form.Melody().MakeRestLine());
  const std::vector<std::string> linesBefore = form.Melody().Lines();

  const std::wstring missing = folder.File(L"missing.als");
  EXPECT_EQ(testing_support::WideErrorMessageOf([&] { form.LoadAlsFile(missing); }),
            L"ファイル " + missing + L" は開けません");
  EXPECT_EQ(form.Melody().Lines(), linesBefore);
  EXPECT_EQ(form.ScoreListBox.Count(), static_cast<int>(linesBefore.size()));
  EXPECT_EQ(form.Melody().SongName(), "A");
  EXPECT_EQ(form.Text(), "A");
  EXPECT_TRUE(form.Melody().Modified());
  EXPECT_EQ(form.SaveDialog.fileName, current);
}

TEST_F(MelodyFilesTest, ALengthByteNotUnderstoodIsReportedOnceAfterTheLoad) {
  TMelopadForm form(Services());
  const std::wstring path = folder.File(L"odd.als");
  WriteBytes(path, {0xE1, 0xF0, 0x42, 0xFD, 0xF1, 0x7E, 0xC6, 0x27, 0x10, 0x28, 0x11, 0x29, 0xFF});
  form.LoadAlsFile(path);
  EXPECT_EQ(form.Melody().Count(), 3);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{melopad::kLoadIncompleteMessage});
  EXPECT_EQ(prompter.Asked().front().message.caption, "Melopad");
  EXPECT_EQ(prompter.Asked().front().message.icon, toolkit::MessageIcon::None);
  EXPECT_FALSE(form.Melody().Modified());
  EXPECT_EQ(form.Text(), "B");
}

TEST_F(MelodyFilesTest, ATruncatedFileKeepsTheLinesReadAndShowsTheListAgain) {
  TMelopadForm form(Services());
  form.Show();
  const std::wstring path = folder.File(L"short.als");
  WriteBytes(path, {0xE1, 0xF0, 0x43, 0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xA1, 0xC4});
  EXPECT_EQ(testing_support::ErrorMessageOf([&] { form.LoadAlsFile(path); }),
            "ストリームからの読み込みエラー");
  EXPECT_EQ(form.Melody().Count(), 1);
  EXPECT_EQ(form.ScoreListBox.Count(), 1);
  EXPECT_TRUE(form.ScoreListBox.Visible());
  EXPECT_EQ(form.Text(), "C") << "the caption shows the name the damaged file gave";
  EXPECT_EQ(form.SaveDialog.fileName, L"");
  EXPECT_TRUE(form.Melody().Modified());
}

}  // namespace
