// The check box, combo box, memo, progress bar and bevel line, worked as the
// user works them: clicks, keys and typing go to the system's controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/wine/support/Picture.h"
#include "tests/wine/support/WindowPlaces.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/BevelLine.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Font.h"
#include "toolkit/Form.h"
#include "toolkit/Memo.h"
#include "toolkit/ProgressBar.h"

namespace {

using testing_support::Picture;

toolkit::FormDesign Design() {
  toolkit::FormDesign design;
  design.caption = "controls";
  design.clientWidth = 300;
  design.clientHeight = 260;
  return design;
}

class ControlsForm : public toolkit::Form {
 public:
  ControlsForm() : Form(Design()) {
    AgreeCheckBox.SetChecked(true);
    LicenceMemo.SetReadOnly(true);
    PlaceControls({
        {AgreeCheckBox, {10, 10, 200, 20}, "同意する"},
        {FolderComboBox, {10, 40, 200, 21}},
        {LicenceMemo, {10, 70, 280, 100}},
        {CopyProgressBar, {10, 180, 200, 16}},
        {ButtonsBevel, {10, 210, 200, 2}},
    });
    Show();
  }
  toolkit::CheckBox AgreeCheckBox;
  toolkit::ComboBox FolderComboBox;
  toolkit::Memo LicenceMemo;
  toolkit::ProgressBar CopyProgressBar;
  toolkit::BevelLine ButtonsBevel;
};

void Type(HWND edit, wchar_t character) {
  ::SendMessageW(edit, WM_CHAR, character, 1);
}

class ControlsTest : public testing_support::WindowTest {
 protected:
  ControlsForm form;
};

TEST_F(ControlsTest, ACheckBoxTurnsOverOnEachClickAndReportsOnlyClicks) {
  toolkit::CheckBox& box = form.AgreeCheckBox;
  EXPECT_TRUE(box.Checked()) << "set before the window was made";
  std::vector<bool> seen;
  box.OnClick = [&] { seen.push_back(box.Checked()); };
  ::SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  ::SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(seen, (std::vector<bool>{false, true}));
  box.SetChecked(false);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(seen.size(), 2U) << "setting the mark is no click";
}

TEST_F(ControlsTest, AComboBoxPutsThePickedItemIntoItsEditField) {
  toolkit::ComboBox& combo = form.FolderComboBox;
  for (const char* item : {"C:\\Program Files", "D:\\アプリ", "E:\\"}) combo.Add(item);
  ASSERT_EQ(combo.Count(), 3);
  EXPECT_EQ(combo.Item(1), "D:\\アプリ");
  EXPECT_EQ(combo.ItemIndex(), -1);
  std::vector<std::string> changes;
  combo.OnChange = [&] { changes.push_back(combo.Text()); };

  combo.SetItemIndex(2);
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(combo.Text(), "E:\\");
  EXPECT_TRUE(changes.empty()) << "the program's own choice is no change by the user";

  COMBOBOXINFO parts{sizeof parts};
  ASSERT_TRUE(::GetComboBoxInfo(combo.Handle(), &parts));
  ::SendMessageW(parts.hwndItem, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(combo.ItemIndex(), 1);
  ASSERT_EQ(changes, std::vector<std::string>{"D:\\アプリ"}) << "the arrow key picks the item";

  ::SendMessageW(parts.hwndItem, EM_SETSEL, 0, -1);
  Type(parts.hwndItem, L'F');
  EXPECT_EQ(changes, (std::vector<std::string>{"D:\\アプリ", "F"})) << "typing";

  combo.SetText("G:\\インストール先");
  EXPECT_EQ(combo.Text(), "G:\\インストール先");
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
}

TEST_F(ControlsTest, AMemoShowsEveryKindOfLineEndAsLines) {
  toolkit::Memo& memo = form.LicenceMemo;
  const auto style = [&memo] { return ::GetWindowLongPtrW(memo.Handle(), GWL_STYLE); };
  EXPECT_TRUE(style() & WS_VSCROLL);
  // CR LF, LF, lone CR, and all three.
  for (const char* text : {"使用許諾\r\n第一条\r\n\r\n以上", "使用許諾\n第一条\n\n以上",
                           "使用許諾\r第一条\r\r以上", "使用許諾\r\n第一条\n\r以上"}) {
    memo.SetLines(text);
    EXPECT_EQ(memo.Text(), "使用許諾\r\n第一条\r\n\r\n以上") << text;
    EXPECT_EQ(::SendMessageW(memo.Handle(), EM_GETLINECOUNT, 0, 0), 4) << text;
  }

  EXPECT_TRUE(style() & ES_READONLY) << "set before the window was made";
  Type(memo.Handle(), L'x');
  EXPECT_EQ(memo.Text(), "使用許諾\r\n第一条\r\n\r\n以上") << "typed into a read-only memo";
  memo.SetReadOnly(false);
  EXPECT_FALSE(style() & ES_READONLY);

  const toolkit::UniqueFont gothic = toolkit::CreateUiFont("ＭＳ ゴシック", -12);
  memo.SetFont(gothic.Get());
  EXPECT_EQ(::SendMessageW(memo.Handle(), WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(gothic.Get()));
  memo.Clear();
  EXPECT_EQ(memo.Text(), "");
}

TEST_F(ControlsTest, AProgressBarFillsInProportionToItsPositionAndABevelLineIsEtched) {
  toolkit::ProgressBar& bar = form.CopyProgressBar;
  bar.SetRange(0, 200);
  bar.SetPosition(50);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 200);
  EXPECT_EQ(bar.Position(), 50);
  const RECT filled = Picture::Printed(bar.Handle()).BoundsOf(::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_NEAR(filled.right - filled.left, 200 / 4, 4);
  bar.SetPosition(300);
  EXPECT_EQ(bar.Position(), 200) << "beyond the range";

  // A shadow line over a highlight line, in the frame of a window two pixels high.
  ASSERT_TRUE(PumpUntil([&] { return !::GetUpdateRect(form.Handle(), nullptr, FALSE); }));
  const RECT place = testing_support::PlaceInParent(form.ButtonsBevel);
  EXPECT_EQ(place.bottom - place.top, 2);
  const Picture line = Picture::OnScreen(form.Handle(), place);
  for (const int x : {0, 100, 199}) {
    EXPECT_EQ(line.At(x, 0), ::GetSysColor(COLOR_BTNSHADOW)) << "x " << x;
    EXPECT_EQ(line.At(x, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT)) << "x " << x;
  }
}

}  // namespace
