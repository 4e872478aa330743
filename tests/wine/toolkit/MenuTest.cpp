#include "toolkit/Menu.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/wine/support/WindowTest.h"
#include "toolkit/Form.h"

namespace {

class MenuTest : public testing_support::WindowTest {};

TEST_F(MenuTest, EntriesKeepTheirCaptionsAndRunTheirHandlers) {
  toolkit::MenuItem file, open, exit, separator;
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
       }},
  });
  EXPECT_EQ(open.Caption(), "開く(&O)...");
  EXPECT_EQ(exit.Caption(), "終了(&X)\tCtrl+X");
  menu.Click(open);
  menu.Click(exit);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(exited, 1);
  EXPECT_FALSE(menu.Dispatch(separator.Id()));
  EXPECT_NE(menu.Accelerators(), nullptr);
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
