#include "melopad/windows/Keymapfrm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "melopad/model/PrintArea.h"
#include "tests/wine/melopad/EditorTest.h"
#include "tests/wine/support/Picture.h"
#include "tests/wine/support/PrintedPages.h"
#include "tests/wine/support/WindowPlaces.h"
#include "toolkit/Metafile.h"
#include "toolkit/Text.h"

namespace {

using testing_support::ClickWithMouse;
using testing_support::Describe;
using testing_support::Picture;
using testing_support::PlaceInParent;

constexpr char kSent[] = "プリンタに送信しました";
constexpr int kToolBarHeight = 45;
// Printed pages are looked at in Ghostscript's rendering at this resolution,
// in cells of this many pixels each way.
constexpr int kRenderDpi = 100;
constexpr int kCellSize = 8;

class KeyMapFormTest : public testing_support::EditorTest {};

// Ink is anything clearly darker than white: black, grey and orange alike.
bool IsInk(COLORREF color) {
  return GetRValue(color) < 200 || GetGValue(color) < 200 || GetBValue(color) < 200;
}

// Which cells of a grid over an area of the picture hold ink.
struct InkGrid {
  int columns = 0;
  int rows = 0;
  std::vector<bool> cells;

  bool At(int column, int row) const { return cells[static_cast<size_t>(row * columns + column)]; }
  int InkedCells() const { return static_cast<int>(std::count(cells.begin(), cells.end(), true)); }
};

InkGrid InkOf(const Picture& picture, const RECT& area) {
  InkGrid grid;
  grid.columns = (area.right - area.left) / kCellSize;
  grid.rows = (area.bottom - area.top) / kCellSize;
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      bool ink = false;
      for (int y = 0; y < kCellSize && !ink; ++y) {
        for (int x = 0; x < kCellSize && !ink; ++x) {
          ink =
              IsInk(picture.At(area.left + column * kCellSize + x, area.top + row * kCellSize + y));
        }
      }
      grid.cells.push_back(ink);
    }
  }
  return grid;
}

// Whether the grid has ink in the cell or next to it: the two renderings
// of one drawing may put a thin line into neighbouring cells.
bool InkNear(const InkGrid& grid, int column, int row) {
  for (int y = std::max(0, row - 1); y <= std::min(grid.rows - 1, row + 1); ++y) {
    for (int x = std::max(0, column - 1); x <= std::min(grid.columns - 1, column + 1); ++x) {
      if (grid.At(x, y)) return true;
    }
  }
  return false;
}

// The share (in percent) of the cells inked in either grid that the other
// grid inks at or next to the same place.
int MatchPercent(const InkGrid& a, const InkGrid& b) {
  int inked = 0;
  int matched = 0;
  for (int row = 0; row < a.rows; ++row) {
    for (int column = 0; column < a.columns; ++column) {
      if (a.At(column, row)) {
        ++inked;
        matched += InkNear(b, column, row) ? 1 : 0;
      }
      if (b.At(column, row)) {
        ++inked;
        matched += InkNear(a, column, row) ? 1 : 0;
      }
    }
  }
  return inked == 0 ? 0 : matched * 100 / inked;
}

int FirstInkedRow(const InkGrid& grid) {
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      if (grid.At(column, row)) return row;
    }
  }
  return grid.rows;
}

// The title is the page's topmost text: the rows from the first with ink
// down to the first without ink or the line drawn under the title (a row
// inked across more than half the page).
struct TitleBand {
  int first;
  int end;
};

TitleBand TitleBandOf(const InkGrid& grid) {
  const int first = FirstInkedRow(grid);
  int end = first;
  for (; end < grid.rows; ++end) {
    int inked = 0;
    for (int column = 0; column < grid.columns; ++column) inked += grid.At(column, end) ? 1 : 0;
    if (inked == 0 || inked * 2 > grid.columns) break;
  }
  return {first, end};
}

// Which columns of cells have ink anywhere in the band.
std::vector<bool> InkedColumns(const InkGrid& grid, const TitleBand& band) {
  std::vector<bool> columns(static_cast<size_t>(grid.columns), false);
  for (int row = band.first; row < band.end; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      if (grid.At(column, row)) columns[static_cast<size_t>(column)] = true;
    }
  }
  return columns;
}

// Where a printer puts the page: its printable part and where that starts
// on the sheet, in device pixels.
struct PrinterPage {
  int dpi;
  SIZE printable;
  POINT offset;
};

PrinterPage PageOf(const toolkit::PrinterChoice& choice) {
  const toolkit::Printer printer(choice);
  HDC dc = printer.Dc();
  return {::GetDeviceCaps(dc, LOGPIXELSX),
          printer.PrintableSize(),
          {::GetDeviceCaps(dc, PHYSICALOFFSETX), ::GetDeviceCaps(dc, PHYSICALOFFSETY)}};
}

int ToRender(int devicePixels, const PrinterPage& page) {
  return devicePixels * kRenderDpi / page.dpi;
}

// Compares the printed sheet with the key map page drawn straight onto the
// area the page should take: the picture, at its place and size, title
// included. (Ghostscript cannot give the title back as text: the driver
// sends glyphs by number, without Unicode names.)
void ExpectPrintedPageShowsTheKeyMap(const std::wstring& path, const toolkit::PrinterChoice& choice,
                                     const melopad::PrintArea& area, SIZE sheet) {
  const Picture printed = testing_support::RenderPostScript(path, kRenderDpi);
  ASSERT_EQ(printed.Width(), sheet.cx) << "sheet width at " << kRenderDpi << " dpi";
  ASSERT_EQ(printed.Height(), sheet.cy) << "sheet height at " << kRenderDpi << " dpi";
  const PrinterPage page = PageOf(choice);
  const int width = ToRender(area.width, page);
  const int height = ToRender(area.height, page);
  const int left = ToRender(page.offset.x, page);
  const int top = ToRender(page.offset.y, page);
  const Picture expected(width, height, [&](HDC dc) {
    toolkit::Metafile::FromResource(L"KLS").Play(dc, {0, 0, width, height});
  });

  const InkGrid printedInk = InkOf(printed, {left, top, left + width, top + height});
  const InkGrid expectedInk = InkOf(expected, {0, 0, width, height});
  EXPECT_GT(printedInk.InkedCells(), printedInk.columns * printedInk.rows / 20)
      << "the printed page is nearly blank";
  EXPECT_GE(MatchPercent(printedInk, expectedInk), 95)
      << "the printed page does not show the key map at its place and size";

  const TitleBand title = TitleBandOf(expectedInk);
  ASSERT_LT(title.first, title.end) << "the key map page has no title";
  const std::vector<bool> expectedTitle = InkedColumns(expectedInk, title);
  const std::vector<bool> printedTitle = InkedColumns(printedInk, title);
  int agreeing = 0;
  for (size_t column = 0; column < expectedTitle.size(); ++column) {
    if (expectedTitle[column] == printedTitle[column]) ++agreeing;
  }
  EXPECT_GE(agreeing * 100, static_cast<int>(expectedTitle.size()) * 90)
      << "the title is missing from the print";
  EXPECT_LE(std::abs(FirstInkedRow(printedInk) - title.first), 1)
      << "the print does not begin with the title";

  // Outside the page's area the sheet stays white.
  const InkGrid rightStrip = InkOf(printed, {left + width + 2, 0, sheet.cx, sheet.cy});
  EXPECT_EQ(rightStrip.InkedCells(), 0) << "ink right of the page's area";
}

TEST_F(KeyMapFormTest, LaysOutItsControlsAsDesigned) {
  TKeyMapForm form(nullptr);
  form.Show();
  EXPECT_EQ(form.Text(), "キーボードマップ");
  RECT outer{};
  ::GetWindowRect(form.Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 289);
  EXPECT_EQ(outer.bottom - outer.top, 388);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(std::abs((outer.left + outer.right) - (work.left + work.right)), 1) << "centred";
  EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1) << "centred";

  const auto style = ::GetWindowLongPtrW(form.Handle(), GWL_STYLE);
  EXPECT_NE(style & WS_SYSMENU, 0) << "a close box";
  EXPECT_NE(style & WS_THICKFRAME, 0) << "the window can be resized";
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << "no minimise or maximise box";
  LOGFONTW font{};
  ::GetObjectW(form.Font(), sizeof font, &font);
  EXPECT_EQ(toolkit::Narrow(font.lfFaceName), "ＭＳ Ｐゴシック");
  EXPECT_EQ(font.lfHeight, -12);

  const toolkit::Rect client = form.ClientRect();
  const int toolBarTop = client.height - kToolBarHeight;
  const struct {
    const char* name;
    const toolkit::Window& control;
    const char* text;
    RECT place;
  } controls[] = {
      {"KeyMapDisplay", form.KeyMapDisplay, nullptr, {0, 0, client.width, toolBarTop}},
      {"ToolBar", form.ToolBar, nullptr, {0, toolBarTop, client.width, client.height}},
      {"SpeedButton1", form.SpeedButton1, "印刷", {6, 10, 91, 35}},
      {"SpeedButton3", form.SpeedButton3, "プリンタの設定", {98, 10, 183, 35}},
      {"SpeedButton2", form.SpeedButton2, "閉じる", {190, 10, 275, 35}},
  };
  for (const auto& c : controls) {
    const RECT actual = PlaceInParent(c.control);
    EXPECT_TRUE(::EqualRect(&actual, &c.place)) << c.name << " at " << Describe(actual);
    if (c.text != nullptr) {
      EXPECT_EQ(c.control.Text(), c.text) << c.name;
    }
    EXPECT_TRUE(c.control.Visible()) << c.name;
  }
  EXPECT_EQ(::GetParent(form.SpeedButton1.Handle()), form.ToolBar.Handle());

  // The display shows the program's key map page: an A4 portrait page.
  ASSERT_TRUE(form.KeyMapDisplay.Picture().has_value());
  const RECT bounds = form.KeyMapDisplay.Picture()->Bounds();
  const RECT a4{6, 6, 3939, 5576};
  EXPECT_TRUE(::EqualRect(&bounds, &a4)) << Describe(bounds);
}

// The page drawn by the display, and the ink's bounds in per mille of the
// display's size.
RECT InkBoundsPerMille(const toolkit::Window& display) {
  const toolkit::Rect size = display.ClientRect();
  const Picture drawn(size.width, size.height, [&display](HDC dc) {
    ::SendMessageW(display.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  RECT ink{size.width, size.height, 0, 0};
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      if (!IsInk(drawn.At(x, y))) continue;
      ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
             std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
    }
  }
  return {ink.left * 1000 / size.width, ink.top * 1000 / size.height, ink.right * 1000 / size.width,
          ink.bottom * 1000 / size.height};
}

TEST_F(KeyMapFormTest, ResizingStretchesThePageAndKeepsTheButtonsAtTheBottomRight) {
  TKeyMapForm form(nullptr);
  form.Show();
  const RECT inkBefore = InkBoundsPerMille(form.KeyMapDisplay);
  EXPECT_GT(inkBefore.right - inkBefore.left, 500) << "the page shows";

  const toolkit::Rect toolBar = form.ToolBar.ClientRect();
  std::vector<RECT> gapsBefore;
  for (const toolkit::Window* button :
       {&form.SpeedButton1, &form.SpeedButton3, &form.SpeedButton2}) {
    const RECT place = PlaceInParent(*button);
    gapsBefore.push_back(
        {place.left, place.top, toolBar.width - place.right, toolBar.height - place.bottom});
  }

  for (const SIZE outer : {SIZE{520, 700}, SIZE{300, 400}}) {
    ::SetWindowPos(form.Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
    const std::string what = std::to_string(outer.cx) + " x " + std::to_string(outer.cy);
    const toolkit::Rect client = form.ClientRect();
    const RECT display = PlaceInParent(form.KeyMapDisplay);
    const RECT expectedDisplay{0, 0, client.width, client.height - kToolBarHeight};
    EXPECT_TRUE(::EqualRect(&display, &expectedDisplay)) << what << ": " << Describe(display);
    const RECT bar = PlaceInParent(form.ToolBar);
    const RECT expectedBar{0, client.height - kToolBarHeight, client.width, client.height};
    EXPECT_TRUE(::EqualRect(&bar, &expectedBar)) << what << ": " << Describe(bar);

    const toolkit::Rect resizedBar = form.ToolBar.ClientRect();
    int index = 0;
    for (const toolkit::Window* button :
         {&form.SpeedButton1, &form.SpeedButton3, &form.SpeedButton2}) {
      const RECT place = PlaceInParent(*button);
      const RECT& before = gapsBefore[static_cast<size_t>(index++)];
      EXPECT_EQ(resizedBar.width - place.right, before.right) << what << ": right gap";
      EXPECT_EQ(resizedBar.height - place.bottom, before.bottom) << what << ": bottom gap";
      EXPECT_EQ(place.right - place.left, 85) << what;
      EXPECT_EQ(place.bottom - place.top, 25) << what;
    }
    // The page covers the same share of the display, whatever its size.
    const RECT ink = InkBoundsPerMille(form.KeyMapDisplay);
    EXPECT_NEAR(ink.left, inkBefore.left, 15) << what;
    EXPECT_NEAR(ink.top, inkBefore.top, 15) << what;
    EXPECT_NEAR(ink.right, inkBefore.right, 15) << what;
    EXPECT_NEAR(ink.bottom, inkBefore.bottom, 15) << what;
  }
}

TEST_F(KeyMapFormTest, TheMenuOpensTheKeyMapModallyAndDestroysItAfterwards) {
  TMelopadForm form(Services());
  form.Show();
  std::string title;
  HWND owner = nullptr;
  application.SetIdleHandler([&](bool&) {
    application.ClearIdleHandler();
    HWND keyMap = ::GetActiveWindow();
    title = toolkit::Window::FromHandle(keyMap) != nullptr
                ? toolkit::Window::FromHandle(keyMap)->Text()
                : std::string();
    owner = ::GetWindow(keyMap, GW_OWNER);
    EXPECT_FALSE(::IsWindowEnabled(form.Handle())) << "the main window waits";
    ::PostMessageW(keyMap, WM_CLOSE, 0, 0);
  });
  form.MainMenu.Click(form.MnuKeyMap);
  EXPECT_EQ(title, "キーボードマップ");
  EXPECT_EQ(owner, form.Handle());
  EXPECT_EQ(::FindWindowW(nullptr, toolkit::Widen("キーボードマップ").c_str()), nullptr)
      << "the window is gone after it closed";
  EXPECT_TRUE(::IsWindowEnabled(form.Handle()));
}

TEST_F(KeyMapFormTest, TheCloseButtonEndsTheModalShowing) {
  TKeyMapForm form(nullptr);
  ::PostMessageW(form.SpeedButton2.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::PostMessageW(form.SpeedButton2.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form.ShowModal(), toolkit::kModalCancel);
}

TEST_F(KeyMapFormTest, PrintsThePageOnTheDefaultPrinterAndSaysSo) {
  const std::wstring output = testing_support::PrinterOutput(testing_support::kTestPrinter);
  testing_support::ForgetPrinterOutput(testing_support::kTestPrinter);
  TKeyMapForm form(nullptr);
  form.Show();
  ClickWithMouse(form.SpeedButton1);

  ASSERT_EQ(prompter.Messages(), std::vector<std::string>{kSent});
  const toolkit::MessageRequest& message = prompter.Asked().back().message;
  EXPECT_EQ(message.caption, "Melopad");
  EXPECT_EQ(message.buttons, toolkit::MessageButtons::Ok);
  EXPECT_EQ(message.icon, toolkit::MessageIcon::None);

  const std::string printed = testing_support::ReadTextFile(output);
  ASSERT_FALSE(printed.empty()) << "nothing arrived at " << output;
  EXPECT_TRUE(printed.starts_with("%!PS-Adobe")) << "PostScript";
  EXPECT_EQ(testing_support::CountOf(printed, "%%Title: Melopad Keymap"), 1);
  EXPECT_EQ(testing_support::CountOf(printed, "%%Pages: 1"), 1);
  EXPECT_EQ(testing_support::CountOf(printed, "%%Page: "), 1);
  EXPECT_EQ(testing_support::CountOf(printed, "showpage"), 1);

  // A4 with a margin of 12 points at 300 dpi: the page takes the full width.
  const melopad::PrintArea area{2379, 3364};
  EXPECT_EQ(melopad::A4PrintArea(2379, 3408), area);
  EXPECT_EQ(PageOf({}).printable.cx, 2379);
  EXPECT_EQ(PageOf({}).printable.cy, 3408);
  // An A4 sheet at 100 dpi.
  ExpectPrintedPageShowsTheKeyMap(output, {}, area, {826, 1169});
  EXPECT_TRUE(form.Visible());
}

// What a job printed, from its first page on: the part that does not name
// the moment it was made.
std::string PageContent(const std::string& printed) {
  const auto first = printed.find("%%Page: ");
  return first == std::string::npos ? std::string() : printed.substr(first);
}

TEST_F(KeyMapFormTest, PrintingTwicePrintsTwoIdenticalPagesAndSaysSoTwice) {
  const std::wstring output = testing_support::PrinterOutput(testing_support::kTestPrinter);
  TKeyMapForm form(nullptr);
  form.Show();
  std::vector<std::string> jobs;
  for (int job = 0; job < 2; ++job) {
    testing_support::ForgetPrinterOutput(testing_support::kTestPrinter);
    ClickWithMouse(form.SpeedButton1);
    jobs.push_back(testing_support::ReadTextFile(output));
    EXPECT_EQ(testing_support::CountOf(jobs.back(), "%%Page: "), 1) << "job " << job + 1;
  }
  EXPECT_EQ(prompter.Messages(), (std::vector<std::string>{kSent, kSent}));
  ASSERT_FALSE(PageContent(jobs[0]).empty());
  EXPECT_EQ(PageContent(jobs[0]), PageContent(jobs[1])) << "the two pages differ";
}

TEST_F(KeyMapFormTest, PrintsOnThePrinterAndPaperChosenInThePrinterSetUp) {
  const std::wstring defaultOutput = testing_support::PrinterOutput(testing_support::kTestPrinter);
  const std::wstring secondOutput = testing_support::PrinterOutput(testing_support::kSecondPrinter);
  testing_support::ForgetPrinterOutput(testing_support::kTestPrinter);
  testing_support::ForgetPrinterOutput(testing_support::kSecondPrinter);
  const toolkit::PrinterChoice letter =
      testing_support::LetterPaperOn(testing_support::kSecondPrinter);
  prompter.WillSetUpPrinter(letter);
  prompter.WillSetUpPrinter(std::nullopt);
  TKeyMapForm form(nullptr);
  form.Show();
  ClickWithMouse(form.SpeedButton3);
  // Cancelling the dialog the next time keeps the choice.
  ClickWithMouse(form.SpeedButton3);
  ClickWithMouse(form.SpeedButton1);

  ASSERT_EQ(prompter.Asked().size(), 3U);
  EXPECT_EQ(prompter.Asked()[0].kind, testing_support::ScriptedPrompter::Kind::PrinterSetup);
  EXPECT_TRUE(prompter.Asked()[0].printer.printerName.empty()) << "starts at the default printer";
  EXPECT_EQ(prompter.Asked()[1].printer.printerName, testing_support::kSecondPrinter)
      << "starts at the last choice";
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{kSent});
  EXPECT_TRUE(testing_support::ReadTextFile(defaultOutput).empty()) << "nothing on the default";
  const std::string printed = testing_support::ReadTextFile(secondOutput);
  ASSERT_FALSE(printed.empty()) << "nothing arrived at " << secondOutput;
  EXPECT_GE(testing_support::CountOf(printed, "PageSize[612 792]"), 1) << "letter paper";

  // Letter with a margin of 12 points (about 1.31 : 1) is squatter than A4:
  // the page takes the full height and leaves a strip at the right.
  const melopad::PrintArea area{2262, 3200};
  EXPECT_EQ(PageOf(letter).printable.cx, 2450);
  EXPECT_EQ(PageOf(letter).printable.cy, 3200);
  EXPECT_EQ(melopad::A4PrintArea(2450, 3200), area);
  // A letter sheet at 100 dpi.
  ExpectPrintedPageShowsTheKeyMap(secondOutput, letter, area, {850, 1100});
}

TEST_F(KeyMapFormTest, ARefusedJobShowsTheErrorAndKeepsTheWindowOpen) {
  const struct {
    const char* what;
    const char* printer;
    bool withoutDefault;
    std::string error;
  } cases[] = {
      {"a printer that is not there", "Melopad Missing Printer", false,
       "プリンタ Melopad Missing Printer を開けません"},
      {"a printer whose job the spooler refuses", testing_support::kBrokenPrinter, false,
       std::string("プリンタ ") + testing_support::kBrokenPrinter + " は印刷を受け付けません"},
      {"no default printer", "", true,
       "通常使うプリンタがありません。プリンタをインストールしてください。"},
  };
  for (const auto& c : cases) {
    testing_support::ScriptedPrompter user;
    application.SetPrompter(user);
    if (*c.printer != '\0') user.WillSetUpPrinter(toolkit::PrinterChoice{c.printer, {}});
    std::optional<testing_support::NoDefaultPrinter> noDefault;
    if (c.withoutDefault) noDefault.emplace(testing_support::kTestPrinter);
    TKeyMapForm form(nullptr);
    bool openAfterTheError = false;
    application.SetIdleHandler([&](bool&) {
      application.ClearIdleHandler();
      if (*c.printer != '\0') ClickWithMouse(form.SpeedButton3);
      ClickWithMouse(form.SpeedButton1);
      openAfterTheError = form.IsModal() && form.Visible() && form.ModalResult() == 0;
      ClickWithMouse(form.SpeedButton2);
    });
    EXPECT_EQ(form.ShowModal(), toolkit::kModalCancel) << c.what;
    EXPECT_TRUE(openAfterTheError) << c.what;
    ASSERT_EQ(user.Messages(), std::vector<std::string>{c.error}) << c.what;
    EXPECT_EQ(user.Asked().back().message.icon, toolkit::MessageIcon::Error) << c.what;
    EXPECT_EQ(user.Asked().back().message.caption, "Melopad") << c.what;
    EXPECT_TRUE(user.ScriptUsedUp()) << c.what;
  }
  application.SetPrompter(prompter);
}

}  // namespace
