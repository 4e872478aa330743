#include "melopad/windows/Analizefrm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "melopad/model/Notes.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/WindowPlaces.h"
#include "toolkit/Text.h"

namespace {

using testing_support::ClickWithMouse;
using testing_support::Describe;
using testing_support::PlaceInParent;

class AnalizeFormTest : public testing_support::EditorTest {};

constexpr int kNote = melopad::kLowestPitch;

struct Line {
  int pitchCode;
  int lengthCode;
};

void AppendLines(melopad::Melody& melody, const std::vector<Line>& lines) {
  for (const Line& line : lines) {
    melody.SetSelectedIndex(melody.Count() - 1);
    melody.SetSelectedLengthIndex(melopad::LengthIndexOf(line.lengthCode));
    melody.InsertScoreLine(line.pitchCode == melopad::kRestPitch
                               ? melody.MakeRestLine()
                               : melody.MakeNoteLine(line.pitchCode));
  }
}

TEST_F(AnalizeFormTest, LaysOutItsControlsAsDesigned) {
  melopad::Melody melody;
  TAnalizeForm form(nullptr, melody);
  form.Show();
  EXPECT_EQ(form.Text(), "分析");
  EXPECT_EQ(form.ClientRect().width, 285);
  EXPECT_EQ(form.ClientRect().height, 168);
  const auto style = ::GetWindowLongPtrW(form.Handle(), GWL_STYLE);
  EXPECT_EQ(style & WS_SYSMENU, 0) << "the window has no close box";

  ASSERT_EQ(form.ListBox1.Count(), 3);
  EXPECT_EQ(form.ListBox1.Item(0), "以下は編集中の曲に関する情報です");
  EXPECT_EQ(form.ListBox1.Item(1), "「休符をマージ」ボタンを押すと、連続する休符を");
  EXPECT_EQ(form.ListBox1.Item(2), "繋げてサイズを小さくすることができます。");

  const struct {
    const char* name;
    const toolkit::Window& control;
    const char* text;
    RECT place;
  } controls[] = {
      {"ListBox1", form.ListBox1, "", {7, 8, 278, 49}},
      {"SongNamePanel", form.SongNamePanel, nullptr, {118, 52, 275, 69}},
      {"SongSizePanel", form.SongSizePanel, nullptr, {118, 72, 275, 89}},
      {"NoteNoPanel", form.NoteNoPanel, nullptr, {118, 92, 275, 109}},
      {"TimeLengthPanel", form.TimeLengthPanel, nullptr, {118, 112, 275, 129}},
      {"MergeButton", form.MergeButton, "休符をマージ", {92, 132, 181, 157}},
      {"OkButton", form.OkButton, "OK", {186, 132, 275, 157}},
  };
  for (const auto& c : controls) {
    const RECT actual = PlaceInParent(c.control);
    EXPECT_TRUE(::EqualRect(&actual, &c.place)) << c.name << " at " << Describe(actual);
    if (c.text != nullptr) {
      EXPECT_EQ(c.control.Text(), c.text) << c.name;
    }
    EXPECT_TRUE(c.control.Visible()) << c.name;
  }

  const struct {
    const toolkit::Label& label;
    const char* text;
    POINT topLeft;
  } labels[] = {
      {form.SongNameLabel, "曲名", {10, 52}},
      {form.SongSizeLabel, "サイズ(Byte)", {10, 72}},
      {form.NoteNoLabel, "音符数", {10, 92}},
      {form.TimeLengthLabel, "予想再生時間(ms)", {10, 112}},
  };
  for (const auto& l : labels) {
    const RECT actual = PlaceInParent(l.label);
    EXPECT_EQ(l.label.Text(), l.text);
    EXPECT_EQ(actual.left, l.topLeft.x) << l.text;
    EXPECT_EQ(actual.top, l.topLeft.y) << l.text;
    // Sized to its text, which ends before the value panels begin.
    EXPECT_GT(actual.right, actual.left + 10) << l.text;
    EXPECT_LE(actual.right, 118) << l.text;
  }
}

TEST_F(AnalizeFormTest, ShowsNameSizeLineCountAndPlayingTime) {
  const struct {
    const char* what;
    std::string name;
    int tempo;
    std::vector<Line> lines;
    const char* values[4];
  } cases[] = {
      {"one quarter note at 120", "ABC", 120, {{kNote, 196}}, {"ABC", "11", "1", "480"}},
      {"one 128th rest at 75", "A", 75, {{0, 205}}, {"A", "9", "1", "24"}},
      {"empty and unnamed, saved as 無題", "", 120, {}, {"名称未設定", "10", "0", "0"}},
      {"a name with an ampersand",
       "春&夏",
       120,
       {{kNote, 192}, {0, 194}},
       {"春&夏", "15", "2", "2880"}},
  };
  for (const auto& c : cases) {
    melopad::Melody melody;
    melody.SetSongName(c.name);
    melody.SetTempo(c.tempo);
    AppendLines(melody, c.lines);
    TAnalizeForm form(nullptr, melody);
    EXPECT_EQ(form.SongNamePanel.Text(), c.values[0]) << c.what;
    EXPECT_EQ(form.SongSizePanel.Text(), c.values[1]) << c.what;
    EXPECT_EQ(form.NoteNoPanel.Text(), c.values[2]) << c.what;
    EXPECT_EQ(form.TimeLengthPanel.Text(), c.values[3]) << c.what;
  }
}

TEST_F(AnalizeFormTest, TheSizeCountsTheContinuationMark) {
  melopad::Melody melody;
  melody.SetSongName("無題");
  AppendLines(melody, std::vector<Line>(121, {kNote, 196}));
  TAnalizeForm form(nullptr, melody);
  // 6 + 4 name bytes + 242 pair bytes + the mark.
  EXPECT_EQ(form.SongSizePanel.Text(), "253");
}

// Unnamed, the same lines are saved under 無題, whose bytes move the last pair
// past the mark's offset: the file has the mark too.
TEST_F(AnalizeFormTest, TheSizeOfAnUnnamedMelodyIsThatOfTheFileSaved) {
  melopad::Melody melody;
  AppendLines(melody, std::vector<Line>(121, {kNote, 196}));
  TAnalizeForm form(nullptr, melody);
  EXPECT_EQ(form.SongSizePanel.Text(), "253");
  EXPECT_EQ(form.SongNamePanel.Text(), "名称未設定");
}

TEST_F(AnalizeFormTest, OkButtonEndsTheModalShowingWithOk) {
  melopad::Melody melody;
  TAnalizeForm form(nullptr, melody);
  ::PostMessageW(form.OkButton.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::PostMessageW(form.OkButton.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form.ShowModal(), toolkit::kModalOk);
}

TEST_F(AnalizeFormTest, MergeButtonMergesTheRestsAndShowsTheNewValues) {
  melopad::Melody melody;
  melody.SetSongName("A");
  AppendLines(melody, {{kNote, 196}, {0, 201}, {0, 201}, {0, 201}, {0, 201}});
  melody.SetSelectedIndex(0);
  melody.SetSelectedLengthIndex(0);
  melody.SetModified(false);
  TAnalizeForm form(nullptr, melody);
  form.Show();
  EXPECT_EQ(form.NoteNoPanel.Text(), "5");
  ClickWithMouse(form.MergeButton);

  ASSERT_EQ(melody.Count(), 2);
  EXPECT_EQ(melody.Lines()[1], [] {
    melopad::Melody typed;
    typed.SetSelectedLengthIndex(melopad::LengthIndexOf(196));
    return typed.MakeRestLine();
  }());
  EXPECT_EQ(melody.SelectedIndex(), 1);
  EXPECT_EQ(melody.CurrentLengthCode(), 196);
  EXPECT_TRUE(melody.Modified());
  EXPECT_EQ(form.SongSizePanel.Text(), "11");
  EXPECT_EQ(form.NoteNoPanel.Text(), "2");
  EXPECT_EQ(form.TimeLengthPanel.Text(), "960");
  EXPECT_EQ(form.Text(), "分析");
  EXPECT_TRUE(form.MergeButton.Visible());
  EXPECT_TRUE(form.ListBox1.Visible());
  EXPECT_FALSE(form.MergingLabel.has_value());
  EXPECT_FALSE(form.MergingProgressBar.has_value());
}

// Records, whenever the title changes, the new title and what the window
// shows at that moment.
class RecordingAnalizeForm : public TAnalizeForm {
 public:
  using TAnalizeForm::TAnalizeForm;

  struct Moment {
    std::string title;
    bool controlsVisible;
    bool labelVisible;
    std::string labelText;
    RECT labelPlace;
    RECT barPlace;
    int barMin;
    int barMax;
    int barPosition;
  };
  std::vector<Moment> moments;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETTEXT) Record(toolkit::Narrow(reinterpret_cast<const wchar_t*>(lParam)));
    return TAnalizeForm::HandleMessage(message, wParam, lParam);
  }

 private:
  void Record(std::string title) {
    Moment moment{std::move(title),
                  MergeButton.Visible() || OkButton.Visible() || SongNamePanel.Visible() ||
                      ListBox1.Visible(),
                  false,
                  {},
                  {},
                  {},
                  -1,
                  -1,
                  -1};
    if (MergingLabel) {
      moment.labelVisible = MergingLabel->Visible();
      moment.labelText = MergingLabel->Text();
      moment.labelPlace = PlaceInParent(*MergingLabel);
    }
    if (MergingProgressBar) {
      moment.barPlace = PlaceInParent(*MergingProgressBar);
      moment.barMin = MergingProgressBar->Min();
      moment.barMax = MergingProgressBar->Max();
      moment.barPosition = MergingProgressBar->Position();
    }
    moments.push_back(std::move(moment));
  }
};

TEST_F(AnalizeFormTest, WhileMergingTheTitleNamesEachRuleAndTheBarMoves) {
  melopad::Melody melody;
  // Rule 1 merges at line 4 while three lines follow: 4 × 1000 / (8 + 1).
  AppendLines(melody, {{kNote, 196},
                       {kNote, 196},
                       {kNote, 196},
                       {kNote, 196},
                       {0, 205},
                       {0, 205},
                       {kNote, 196},
                       {kNote, 196},
                       {kNote, 196}});
  RecordingAnalizeForm form(nullptr, melody);
  form.Show();
  ClickWithMouse(form.MergeButton);

  const std::vector<std::string> captions = {
      "CD:CDの組をCCに変換中", "CC:CCの組をCBに変換中", "CB:CBの組をC9に変換中",
      "C9:C9の組をC6に変換中", "C6:C9の組をC5に変換中", "C9:C6の組をC5に変換中",
      "C6:C6の組をC4に変換中", "C4:C6の組をC3に変換中", "C6:C4の組をC3に変換中",
      "C4:C4の組をC2に変換中", "C2:C2の組をC0に変換中"};
  ASSERT_EQ(form.moments.size(), 2 * captions.size());
  for (std::size_t rule = 0; rule < captions.size(); ++rule) {
    const auto& started = form.moments[2 * rule];
    const auto& finished = form.moments[2 * rule + 1];
    EXPECT_EQ(started.title, captions[rule]);
    EXPECT_EQ(finished.title, "分析") << captions[rule];
    for (const auto* moment : {&started, &finished}) {
      EXPECT_FALSE(moment->controlsVisible) << captions[rule];
      EXPECT_TRUE(moment->labelVisible) << captions[rule];
      EXPECT_EQ(moment->labelText, "休符をマージ中");
      EXPECT_EQ(moment->barMin, 0);
      EXPECT_EQ(moment->barMax, 1000);
    }
  }
  EXPECT_EQ(form.moments[0].barPosition, 0) << "before the first merge";
  EXPECT_EQ(form.moments[1].barPosition, 444) << "after rule 1's merge";

  // Centred across the window: the bar 70 % wide and 20 below the middle,
  // the label 20 above it.
  const RECT bar = form.moments[0].barPlace;
  EXPECT_EQ(bar.right - bar.left, 199);
  EXPECT_EQ(bar.left, 285 / 2 - 199 / 2);
  EXPECT_EQ(bar.top, 168 / 2 - (bar.bottom - bar.top) / 2 + 20);
  const RECT label = form.moments[0].labelPlace;
  EXPECT_EQ(label.left, 285 / 2 - (label.right - label.left) / 2);
  EXPECT_EQ(label.top, 168 / 2 - (label.bottom - label.top) / 2 - 20);

  EXPECT_TRUE(form.MergeButton.Visible());
  EXPECT_FALSE(form.MergingProgressBar.has_value());
  EXPECT_EQ(melody.Count(), 8);
}

TEST_F(AnalizeFormTest, WithNothingToMergeTheMelodyStaysAsItWas) {
  melopad::Melody melody;
  AppendLines(melody, {{0, 196}, {kNote, 196}, {0, 199}, {0, 199}});
  melody.SetSelectedIndex(2);
  melody.SetSelectedLengthIndex(9);
  melody.SetModified(false);
  const std::vector<std::string> before = melody.Lines();
  TAnalizeForm form(nullptr, melody);
  ClickWithMouse(form.MergeButton);
  EXPECT_EQ(melody.Lines(), before);
  EXPECT_EQ(melody.SelectedIndex(), 2);
  EXPECT_EQ(melody.SelectedLengthIndex(), 9);
  EXPECT_FALSE(melody.Modified());
  EXPECT_EQ(form.NoteNoPanel.Text(), "4");
}

TEST_F(AnalizeFormTest, MergingChangesTheMainWindowsScoreList) {
  TMelopadForm mainForm(Services());
  AppendLines(mainForm.Melody(),
              {{kNote, 196}, {0, 198}, {0, 198}, {kNote, 200}, {0, 201}, {0, 198}, {kNote, 196}});
  TAnalizeForm form(mainForm.Handle(), mainForm.Melody());
  ClickWithMouse(form.MergeButton);

  const melopad::Melody& melody = mainForm.Melody();
  ASSERT_EQ(melody.Count(), 5);
  EXPECT_EQ(mainForm.ScoreListBox.Count(), 5);
  // Rule 6 joins the rests at 4 and 5, then rule 7 those at 1 and 2: the
  // last rest made stands at 1.
  EXPECT_EQ(mainForm.ScoreListBox.ItemIndex(), 1) << "the last rest made is selected";
  EXPECT_EQ(form.NoteNoPanel.Text(), "5");
}

// Once armed, closes its owner, the main window, as the first rule starts
// (the title is set) and disarms.
class ClosingAnalizeForm : public TAnalizeForm {
 public:
  using TAnalizeForm::TAnalizeForm;
  bool armed = false;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETTEXT && armed) {
      armed = false;
      ::PostMessageW(::GetWindow(Handle(), GW_OWNER), WM_CLOSE, 0, 0);
    }
    return TAnalizeForm::HandleMessage(message, wParam, lParam);
  }
};

// The melody counts as changed from the merge's start, before its lines are
// rewritten, so the main window closed meanwhile asks to save it.
TEST_F(AnalizeFormTest, ClosingTheMainWindowWhileRestsMergeAsksToSave) {
  TMelopadForm mainForm(Services());
  AppendLines(mainForm.Melody(), {{kNote, 196}, {0, 201}, {0, 201}, {kNote, 196}, {kNote, 196}});
  mainForm.Melody().SetModified(false);
  std::vector<int> lineCountsWhenAsked;
  prompter.WhenAsked([&](const toolkit::MessageRequest&) {
    lineCountsWhenAsked.push_back(mainForm.Melody().Count());
  });
  prompter.WillAnswer(toolkit::MessageAnswer::Cancel);
  ClosingAnalizeForm form(mainForm.Handle(), mainForm.Melody());
  form.Show();
  form.armed = true;
  ClickWithMouse(form.MergeButton);
  EXPECT_EQ(lineCountsWhenAsked, std::vector<int>{5}) << "asked once, while the merge ran";
  EXPECT_EQ(mainForm.Melody().Count(), 4);
  EXPECT_TRUE(mainForm.Melody().Modified());
}

}  // namespace
