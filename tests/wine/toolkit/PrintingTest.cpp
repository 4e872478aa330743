#include "toolkit/Printing.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/PrintedPages.h"
#include "tests/wine/support/WindowTest.h"

namespace {

using testing_support::kBrokenPrinter;
using testing_support::kSecondPrinter;
using testing_support::kTestPrinter;

class PrintingTest : public testing_support::WindowTest {};

void DrawSomething(HDC dc) {
  ::Rectangle(dc, 100, 100, 600, 400);
}

TEST_F(PrintingTest, WithoutAChoiceTheDefaultPrinterPrints) {
  const toolkit::Printer printer({});
  EXPECT_EQ(printer.Name(), kTestPrinter);
  EXPECT_GT(printer.PrintableSize().cx, 0);
}

TEST_F(PrintingTest, AFinishedJobReachesThePrinter) {
  testing_support::ForgetPrinterOutput(kTestPrinter);
  {
    const toolkit::Printer printer({});
    toolkit::PrintJob job(printer, "Test Job");
    job.StartPage();
    DrawSomething(printer.Dc());
    job.EndPage();
    job.Finish();
  }
  const std::string printed =
      testing_support::ReadTextFile(testing_support::PrinterOutput(kTestPrinter));
  EXPECT_EQ(testing_support::CountOf(printed, "%%Title: Test Job"), 1);
  EXPECT_EQ(testing_support::CountOf(printed, "%%Page: "), 1);
}

TEST_F(PrintingTest, AJobThatIsNotFinishedIsAbortedAndPrintsNothing) {
  testing_support::ForgetPrinterOutput(kTestPrinter);
  {
    const toolkit::Printer printer({});
    toolkit::PrintJob job(printer, "Abandoned Job");
    job.StartPage();
    DrawSomething(printer.Dc());
  }
  EXPECT_TRUE(testing_support::ReadTextFile(testing_support::PrinterOutput(kTestPrinter)).empty());
  // The printer is free for the next job, which prints alone.
  const toolkit::Printer printer({});
  toolkit::PrintJob job(printer, "Next Job");
  job.StartPage();
  job.EndPage();
  job.Finish();
  const std::string printed =
      testing_support::ReadTextFile(testing_support::PrinterOutput(kTestPrinter));
  EXPECT_EQ(testing_support::CountOf(printed, "%%Title: Next Job"), 1);
  EXPECT_EQ(testing_support::CountOf(printed, "Abandoned"), 0);
  EXPECT_EQ(testing_support::CountOf(printed, "%%Page: "), 1);
}

TEST_F(PrintingTest, APrinterThatIsNotThereOrRefusesIsAnError) {
  EXPECT_EQ(testing_support::ErrorMessageOf([] {
              toolkit::Printer({"No Such Printer", {}});
            }),
            "プリンタ No Such Printer を開けません");
  const toolkit::Printer broken({kBrokenPrinter, {}});
  EXPECT_EQ(testing_support::ErrorMessageOf([&broken] {
              toolkit::PrintJob job(broken, "Refused Job");
              job.StartPage();
              job.EndPage();
              job.Finish();
            }),
            std::string("プリンタ ") + kBrokenPrinter + " は印刷を受け付けません");
}

TEST_F(PrintingTest, WithoutADefaultPrinterOnlyAChosenOnePrints) {
  const testing_support::NoDefaultPrinter noDefault(kTestPrinter);
  EXPECT_EQ(testing_support::ErrorMessageOf([] { toolkit::Printer({}); }),
            "通常使うプリンタがありません。プリンタをインストールしてください。");
  EXPECT_EQ(toolkit::Printer({kSecondPrinter, {}}).Name(), kSecondPrinter);
}

TEST_F(PrintingTest, TheSetUpDialogKeepsTheUsersLastChoice) {
  toolkit::PrinterSetupDialog dialog;
  EXPECT_TRUE(dialog.Choice().printerName.empty()) << "the default printer to begin with";
  const toolkit::PrinterChoice letter = testing_support::LetterPaperOn(kSecondPrinter);
  prompter.WillSetUpPrinter(letter);
  prompter.WillSetUpPrinter(std::nullopt);
  EXPECT_TRUE(dialog.Execute(nullptr));
  EXPECT_FALSE(dialog.Execute(nullptr));
  EXPECT_EQ(dialog.Choice().printerName, kSecondPrinter);
  EXPECT_EQ(dialog.Choice().deviceMode, letter.deviceMode);
  // The chosen settings reach the printer: letter paper is squatter than A4.
  const SIZE printable = toolkit::Printer(dialog.Choice()).PrintableSize();
  EXPECT_EQ(printable.cx, 2450);
  EXPECT_EQ(printable.cy, 3200);
}

}  // namespace
