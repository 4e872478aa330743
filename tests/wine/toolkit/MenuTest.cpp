#include "toolkit/Menu.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "tests/wine/support/WindowTest.h"
#include "toolkit/Form.h"

namespace {

class MenuTest : public testing_support::WindowTest {};

TEST_F(MenuTest, EntriesKeepTheirCaptionsAndRunTheirHandlers) {
  toolkit::MenuItem file, open, exit, separator, redo;
  int opened = 0;
  int exited = 0;
  toolkit::MenuBar menu({
      {"ファイル(&F)",
       &file,
       {},
       {},
       {
           {"開く(&O)...", &open, [&] { ++opened; }},
           toolkit::MenuSeparator(&separator),
           {"終了(&X)", &exit, [&] { ++exited; }, toolkit::Shortcut{'X'}},
           {"やり直し(&R)", &redo, [] {}, toolkit::Shortcut{'Y'}, {}, {{'Z', true}}},
       }},
  });
  EXPECT_EQ(open.Caption(), "開く(&O)...");
  EXPECT_EQ(exit.Caption(), "終了(&X)\tCtrl+X");
  menu.Click(open);
  menu.Click(exit);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(exited, 1);
  EXPECT_FALSE(menu.Dispatch(separator.Id()));
  // Every shortcut is a key of the table; only the first one is shown.
  EXPECT_EQ(redo.Caption(), "やり直し(&R)\tCtrl+Y");
  std::vector<ACCEL> keys(
      static_cast<std::size_t>(::CopyAcceleratorTableW(menu.Accelerators(), nullptr, 0)));
  ::CopyAcceleratorTableW(menu.Accelerators(), keys.data(), static_cast<int>(keys.size()));
  std::vector<std::tuple<int, int, int>> found;
  for (const ACCEL& key : keys) found.emplace_back(key.fVirt, key.key, key.cmd);
  EXPECT_EQ(found,
            (std::vector<std::tuple<int, int, int>>{{FVIRTKEY | FCONTROL, 'X', exit.Id()},
                                                    {FVIRTKEY | FCONTROL | FSHIFT, 'Z', redo.Id()},
                                                    {FVIRTKEY | FCONTROL, 'Y', redo.Id()}}));
}

TEST_F(MenuTest, ItemsCanBeDisabled) {
  toolkit::MenuItem top, item;
  toolkit::MenuBar menu({{"表示", &top, {}, {}, {{"項目", &item, [] {}}}}});
  EXPECT_TRUE(item.Enabled());
  item.SetEnabled(false);
  EXPECT_FALSE(item.Enabled());
}

// The menu bar keeps the client size and a centred form centred.
TEST_F(MenuTest, AFormOutlivedByItsMenuLeavesTheMenuIntact) {
  toolkit::MenuItem top, item;
  toolkit::MenuBar menu({{"表示", &top, {}, {}, {{"項目", &item, [] {}}}}});
  {
    toolkit::FormDesign design;
    design.clientWidth = 100;
    design.clientHeight = 50;
    toolkit::Form form(design);
    form.SetMainMenu(menu);
    EXPECT_EQ(::GetMenu(form.Handle()), menu.Handle());
    EXPECT_EQ(form.ClientRect().height, 50);
    RECT outer{};
    ::GetWindowRect(form.Handle(), &outer);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1)
        << "not centred from " << outer.top << " to " << outer.bottom;
    form.Release();
  }
  EXPECT_TRUE(::IsMenu(menu.Handle()));
}

}  // namespace
