// Entering notes as a user does: typing in the score list, clicking the
// on-screen keys and the length buttons.
#include <gtest/gtest.h>

#include "melopad/model/Notes.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowPlaces.h"

namespace {

using testing_support::PlaceInParent;
using testing_support::PlayedNote;

class NoteEntryTest : public testing_support::EditorTest {
 protected:
  int DownButtons(const TMelopadForm& form) {
    int down = 0;
    for (const auto& button : form.LengthButtons) down += button.Down() ? 1 : 0;
    return down;
  }

  void Type(TMelopadForm& form, const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) form.ScoreListBoxKeyPress(*key);
  }
};

TEST_F(NoteEntryTest, KeyPanelsLieAsDesignedWithTheirCaptionsHintsAndTags) {
  TMelopadForm form(Services());
  const struct {
    int key;
    RECT place;
    const char* caption;
    const char* hint;
  } cases[] = {
      {0, {0, 55, 20, 95}, "z", "　C-2"},
      {1, {10, 5, 30, 45}, "s", "　C#2"},
      {12, {149, 55, 169, 95}, ",", "　C-3"},
      {35, {418, 55, 438, 95}, "@", "　B-4"},
  };
  for (const auto& c : cases) {
    const TKeyPanel& key = form.KeyPanels[static_cast<size_t>(c.key)];
    EXPECT_EQ(::GetParent(key.Handle()), form.KeyboardPanel.Handle());
    const RECT place = PlaceInParent(key);
    EXPECT_TRUE(::EqualRect(&place, &c.place)) << c.key << ": " << place.left << "," << place.top;
    EXPECT_EQ(key.Text(), c.caption);
    EXPECT_EQ(form.KeyHints().Hint(key.Handle()), c.hint);
    EXPECT_EQ(key.Tag, 39 + c.key);
  }
}

TEST_F(NoteEntryTest, LengthButtonsStackBesideTheirPicturesWithTheQuarterDown) {
  TMelopadForm form(Services());
  for (int i = 0; i < melopad::kLengthCount; ++i) {
    const auto& button = form.LengthButtons[static_cast<size_t>(i)];
    const RECT place = PlaceInParent(button);
    EXPECT_EQ(place.left, 32) << i;
    EXPECT_EQ(place.top, i * 17) << i;
    EXPECT_EQ(place.right - place.left, 91) << i;
    EXPECT_EQ(button.Text(), melopad::LengthNames[static_cast<size_t>(i)]);
    EXPECT_EQ(PlaceInParent(form.LengthImages[static_cast<size_t>(i)]).top, i * 17 + 2);
  }
  EXPECT_TRUE(form.LengthButtons[4].Down());
  EXPECT_EQ(DownButtons(form), 1);
}

TEST_F(NoteEntryTest, TypingAMappedKeySoundsItAndInsertsItsNote) {
  TMelopadForm form(Services());
  Type(form, "z");
  ASSERT_EQ(form.Melody().Count(), 1);
  EXPECT_EQ(form.Melody().Lines()[0], "　C-2     4分音符     39 196");
  EXPECT_EQ(form.Melody().SelectedIndex(), 0);
  EXPECT_TRUE(form.Melody().Modified());
  EXPECT_EQ(sounds.played, (std::vector<PlayedNote>{{39, 25}}));
}

TEST_F(NoteEntryTest, CharactersTypedIntoTheScoreListEnterNotes) {
  TMelopadForm form(Services());
  for (wchar_t typed : {L'x', L'\u3042', L' ', L'x'}) {
    ::SendMessageW(form.ScoreListBox.Handle(), WM_CHAR, typed, 1);
  }
  ASSERT_EQ(form.Melody().Count(), 3) << "a note, a rest, a note; the kana enters nothing";
  EXPECT_EQ(form.Melody().Lines()[1], "　休符     4分音符     0 196");
  EXPECT_EQ(form.Melody().SelectedIndex(), 2);
  EXPECT_EQ(form.ScoreListBox.ItemIndex(), 2);
}

// A full-width "Ｂ" (bytes 0x82 0x61, the second one "a") or a full-width
// space (0x81 0x40, the second one "@") from an input method is one character
// that is no key: it neither plays nor inserts.
TEST_F(NoteEntryTest, ADoubleByteCharacterTypedIntoTheScoreListDoesNothing) {
  TMelopadForm form(Services());
  ::SendMessageW(form.ScoreListBox.Handle(), WM_CHAR, L'q', 1);
  ASSERT_EQ(form.Melody().Count(), 1) << "\"q\" enters its note";
  form.Melody().SetModified(false);
  sounds.played.clear();
  for (wchar_t typed : {L'\uFF22', L'\u3000'}) {
    ::SendMessageW(form.ScoreListBox.Handle(), WM_CHAR, typed, 1);
    EXPECT_EQ(form.Melody().Count(), 1) << "character U+" << std::hex << int{typed};
    EXPECT_TRUE(sounds.played.empty()) << "character U+" << std::hex << int{typed};
  }
  EXPECT_EQ(form.Melody().SelectedIndex(), 0);
  EXPECT_FALSE(form.Melody().Modified());
}

TEST_F(NoteEntryTest, KeysAreCaseSensitive) {
  TMelopadForm form(Services());
  Type(form, "Z");
  EXPECT_EQ(form.Melody().Count(), 0);
  EXPECT_TRUE(sounds.played.empty());
  EXPECT_FALSE(form.Melody().Modified());
  Type(form, "pP");
  ASSERT_EQ(form.Melody().Count(), 1) << "\"P\" plays the melody, it enters no note";
  EXPECT_EQ(form.Melody().Lines()[0], "　A-4     4分音符     72 196");
}

TEST_F(NoteEntryTest, ANoteGoesRightAfterTheSelectedLine) {
  TMelopadForm form(Services());
  Type(form, "zxc");
  form.Melody().SetSelectedIndex(0);
  Type(form, "v");
  EXPECT_EQ(form.Melody().Lines()[1].substr(0, 5), "　F-2");
  EXPECT_EQ(form.Melody().SelectedIndex(), 1);
  EXPECT_EQ(form.ScoreListBox.ItemIndex(), 1);
}

TEST_F(NoteEntryTest, ABlankInsertsARestOfTheCurrentLength) {
  TMelopadForm form(Services());
  form.LengthButtons[6].Click();
  Type(form, " ");
  ASSERT_EQ(form.Melody().Count(), 1);
  EXPECT_EQ(form.Melody().Lines()[0], "　休符     8分音符     0 198");
  EXPECT_TRUE(sounds.played.empty()) << "a rest is inserted silently";
}

TEST_F(NoteEntryTest, AngleBracketsStepThroughTheLengthsWithinTheirEnds) {
  struct Case {
    int from;
    char key;
    int to;
  };
  for (const Case& c : {Case{4, '>', 3}, Case{4, '<', 5}, Case{0, '>', 0}, Case{13, '<', 13},
                        Case{1, '>', 0}, Case{12, '<', 13}}) {
    TMelopadForm form(Services());
    form.LengthButtons[static_cast<size_t>(c.from)].Click();
    form.ScoreListBoxKeyPress(c.key);
    EXPECT_EQ(form.Melody().SelectedLengthIndex(), c.to) << c.from << c.key;
    EXPECT_TRUE(form.LengthButtons[static_cast<size_t>(c.to)].Down()) << c.from << c.key;
    EXPECT_EQ(DownButtons(form), 1) << c.from << c.key;
  }
}

TEST_F(NoteEntryTest, AKeyPanelClickSoundsOnPressAndInsertsOnceOnRelease) {
  TMelopadForm form(Services());
  HWND key = form.KeyPanels[9].Handle();  // A-2, pitch code 48
  ::SendMessageW(key, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(sounds.played, (std::vector<PlayedNote>{{48, 25}}));
  EXPECT_EQ(form.Melody().Count(), 0) << "nothing is inserted before the release";
  ::SendMessageW(key, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  ASSERT_EQ(form.Melody().Count(), 1);
  EXPECT_EQ(form.Melody().Lines()[0], "　A-2     4分音符     48 196");
  ::SendMessageW(key, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  EXPECT_EQ(form.Melody().Count(), 1) << "a release without a press inserts nothing";
}

TEST_F(NoteEntryTest, DraggingOffAKeyPanelSoundsItWithoutInserting) {
  TMelopadForm form(Services());
  HWND key = form.KeyPanels[0].Handle();
  ::SendMessageW(key, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(key, WM_LBUTTONUP, 0, MAKELPARAM(5, 60));
  EXPECT_EQ(form.Melody().Count(), 0);
  EXPECT_EQ(sounds.played, (std::vector<PlayedNote>{{39, 25}}));
}

TEST_F(NoteEntryTest, ALoadedMelodyLeavesTheLengthOfItsLastPairCurrent) {
  testing_support::ScratchFolder folder;
  const std::wstring path = folder.File(L"lengths.als");
  testing_support::WriteBytes(path,
                              {0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xC9, 0x28, 0xFF});
  TMelopadForm form(Services());
  form.LoadAlsFile(path);
  EXPECT_EQ(form.Melody().SelectedLengthIndex(), 9);
  EXPECT_TRUE(form.LengthButtons[9].Down());
  EXPECT_EQ(DownButtons(form), 1);
}

}  // namespace
