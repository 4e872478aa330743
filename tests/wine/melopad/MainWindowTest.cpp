#include <gtest/gtest.h>

#include "melopad/mainwindow/Melopadfrm.h"
#include "melopad/windows/Songnamediag.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/WindowPlaces.h"
#include "toolkit/Text.h"

namespace {

using testing_support::PlaceInParent;

class MainWindowTest : public testing_support::EditorTest {};

std::string MenuCaption(HMENU menu, int position) {
  wchar_t text[128] = {};
  ::GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return toolkit::Narrow(text);
}

TEST_F(MainWindowTest, StartsEmptyWithTheDesignedWindow) {
  TMelopadForm form(Services());
  EXPECT_EQ(form.Text(), "Melopad");
  EXPECT_EQ(form.ClientRect().width, 447);
  EXPECT_EQ(form.ClientRect().height, 376);
  EXPECT_EQ(form.Melody().Count(), 0);
  EXPECT_FALSE(form.Melody().Modified());
  EXPECT_EQ(form.Melody().Tempo(), 120);
  EXPECT_EQ(form.Melody().SelectedLengthIndex(), 4);

  const struct {
    const toolkit::Window& region;
    RECT expected;
  } regions[] = {
      {form.ToolBarPanel, {0, 0, 447, 29}},
      {form.ScoreListBox, {0, 29, 316, 275}},
      {form.ScorePanel, {316, 29, 447, 275}},
      {form.KeyboardPanel, {0, 275, 447, 376}},
  };
  for (const auto& r : regions) {
    const RECT actual = PlaceInParent(r.region);
    EXPECT_TRUE(::EqualRect(&actual, &r.expected))
        << actual.left << "," << actual.top << "," << actual.right << "," << actual.bottom;
  }
}

TEST_F(MainWindowTest, MainMenuHasItsMenusAndTheirEntries) {
  TMelopadForm form(Services());
  HMENU bar = ::GetMenu(form.Handle());
  ASSERT_EQ(::GetMenuItemCount(bar), 4);
  EXPECT_EQ(MenuCaption(bar, 0), "ファイル(&F)");
  EXPECT_EQ(MenuCaption(bar, 1), "編集(&E)");
  EXPECT_EQ(MenuCaption(bar, 2), "オプション(&O)");
  EXPECT_EQ(MenuCaption(bar, 3), "ヘルプ(&H)");
  EXPECT_EQ(form.MnuEditUndo.Caption(), "元に戻す(&U)\tCtrl+Z");
  EXPECT_EQ(form.MnuEditRedo.Caption(), "やり直し(&R)\tCtrl+Y");
  EXPECT_EQ(form.MnuLoadAls.Caption(), "alsファイルの読み込み(&O)...");
  EXPECT_EQ(form.MnuFileExit.Caption(), "終了(&X)\tCtrl+X");
  EXPECT_EQ(form.MnuHelpHomepage.Caption(), "Brightlark Onlineへアクセス");
  EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(bar, 3)), 5);
}

TEST_F(MainWindowTest, AMelodyFileOnTheCommandLineIsLoadedWhateverTheExtensionsCase) {
  testing_support::ScratchFolder folder;
  const std::vector<std::uint8_t> oneNote{0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7E, 0xC4, 0x27, 0xFF};
  for (const wchar_t* name : {L"upper.ALS", L"lower.als", L"mixed.Als"}) {
    testing_support::WriteBytes(folder.File(name), oneNote);
    TMelopadForm form(Services(), folder.File(name));
    EXPECT_EQ(form.Melody().Count(), 1) << name;
    EXPECT_EQ(form.Text(), "A") << name;
    EXPECT_FALSE(form.Melody().Modified()) << name;
  }
}

TEST_F(MainWindowTest, OtherArgumentsStartWithAnEmptyMelody) {
  testing_support::ScratchFolder folder;
  testing_support::WriteBytes(folder.File(L"song.txt"), {0xE1, 0xF0, 0xFD, 0xF1, 0x7E, 0xC4, 0x27});
  ::CreateDirectoryW(folder.File(L"folder.als").c_str(), nullptr);
  for (const std::wstring& argument : {folder.File(L"missing.als"), folder.File(L"song.txt"),
                                       folder.File(L"folder.als"), std::wstring(L"/unknown")}) {
    TMelopadForm form(Services(), argument);
    EXPECT_EQ(form.Melody().Count(), 0) << argument;
    EXPECT_EQ(form.Text(), "Melopad") << argument;
  }
}

}  // namespace

namespace {

TEST_F(MainWindowTest, ToolBarHoldsTheTempoAndBeatsControlsAtTheirDesignedValues) {
  TMelopadForm form(Services());
  EXPECT_EQ(form.Label1.Text(), "テンポ");
  EXPECT_EQ(form.HyoshiLabel.Text(), "拍子");
  const struct {
    const TWheelUpDown& control;
    int position, min, max, left, width;
    const char* caption;
  } controls[] = {
      {form.TempoUpDown, 120, 75, 200, 291, 62, "120"},
      {form.HyoushiUpDown, 4, 1, 8, 387, 53, "4"},
  };
  for (const auto& c : controls) {
    EXPECT_EQ(c.control.Position(), c.position);
    EXPECT_EQ(c.control.Min(), c.min);
    EXPECT_EQ(c.control.Max(), c.max);
    EXPECT_EQ(c.control.Text(), c.caption);
    EXPECT_EQ(::GetParent(c.control.Handle()), form.ToolBarPanel.Handle());
    const RECT place = PlaceInParent(c.control);
    EXPECT_EQ(place.left, c.left);
    EXPECT_EQ(place.right - place.left, c.width);
  }
}

TEST_F(MainWindowTest, TheTempoControlFollowsALoadedFileAndTheSavedFileFollowsTheControl) {
  testing_support::ScratchFolder folder;
  const std::wstring path = folder.File(L"tempo.als");
  testing_support::WriteBytes(path, {0xE1, 0xF0, 0x41, 0xFD, 0xF1, 0x7F, 0xC4, 0x27, 0xFF});
  TMelopadForm form(Services());
  form.LoadAlsFile(path);
  EXPECT_EQ(form.TempoUpDown.Position(), 122);
  EXPECT_EQ(form.TempoUpDown.Text(), "122");

  // Three notches of the wheel up; tempo changes do not count as changes.
  HWND wheel = ::FindWindowExW(form.TempoUpDown.Handle(), nullptr, L"melopad.WheelButton", nullptr);
  ASSERT_NE(wheel, nullptr);
  ::SendMessageW(wheel, WM_MOUSEWHEEL, MAKEWPARAM(0, 360), 0);
  EXPECT_EQ(form.TempoUpDown.Text(), "125");
  EXPECT_EQ(form.Melody().Tempo(), 125);
  EXPECT_FALSE(form.Melody().Modified());
  form.WriteAlsFile(path);
  EXPECT_EQ(testing_support::ReadBytes(path)[5], 125 / 2 + 66);
}

}  // namespace
