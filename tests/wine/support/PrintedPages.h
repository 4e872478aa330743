// What the test prefix's file printers printed: the PostScript file a
// printer writes its jobs into, and Ghostscript (the Linux program, started
// from Wine) to turn a printed page back into pixels.
#pragma once

#include <string>

#include "tests/wine/support/Picture.h"
#include "toolkit/Prompter.h"

namespace testing_support {

// The printers the test prefix is made with: the default one, a second
// one, and one whose jobs the spooler refuses.
inline constexpr char kTestPrinter[] = "Melopad Test Printer";
inline constexpr char kSecondPrinter[] = "Melopad Second Printer";
inline constexpr char kBrokenPrinter[] = "Melopad Broken Printer";

// The file the printer writes its jobs into (its port).
std::wstring PrinterOutput(const std::string& printerName);
// Deletes the printer's output of an earlier job, if any.
void ForgetPrinterOutput(const std::string& printerName);
// The printer with letter paper in place of its default A4.
toolkit::PrinterChoice LetterPaperOn(const std::string& printerName);

// The whole file as text; empty when there is none.
std::string ReadTextFile(const std::wstring& path);
// How often the text holds `what`.
int CountOf(const std::string& text, const std::string& what);

// The first page of a PostScript file as Ghostscript renders it at the
// resolution (dots per inch). Throws when Ghostscript is missing or fails.
Picture RenderPostScript(const std::wstring& path, int dpi);

// Turns off the default printer for one scope, then makes the printer the
// default again.
class NoDefaultPrinter {
 public:
  explicit NoDefaultPrinter(std::string restored);
  NoDefaultPrinter(const NoDefaultPrinter&) = delete;
  NoDefaultPrinter& operator=(const NoDefaultPrinter&) = delete;
  ~NoDefaultPrinter();

 private:
  std::string restored_;
};

}  // namespace testing_support
