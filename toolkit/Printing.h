// Printing on the system's printers: the printer a window prints on (the
// default one, or the one the user chose in the printer set-up dialog) and a
// print job that is always ended or aborted, whatever happens while it runs.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/Prompter.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

class Printer {
 public:
  // The chosen printer, or the default one when the choice names none.
  // Throws std::runtime_error when there is none or it cannot be opened.
  explicit Printer(const PrinterChoice& choice);

  HDC Dc() const { return dc_.Get(); }
  const std::string& Name() const { return name_; }
  // The printable part of the page, in device pixels.
  SIZE PrintableSize() const;

 private:
  std::string name_;
  UniqueDc dc_;
};

class PrintJob {
 public:
  // Starts the document; throws std::runtime_error when the printer refuses.
  PrintJob(const Printer& printer, std::string_view title);
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;
  // A job that was not finished is aborted: nothing of it is printed.
  ~PrintJob();

  void StartPage();
  void EndPage();
  // Ends the document, which hands it to the spooler.
  void Finish();

 private:
  [[noreturn]] void Refused() const;

  HDC dc_;
  std::string printerName_;
  bool open_ = false;
};

// The printer set-up dialog as a component of its window: a data-in,
// data-out object that keeps the user's last choice for later printing.
class PrinterSetupDialog {
 public:
  // Shows the dialog through the application's prompter; false when cancelled.
  bool Execute(HWND owner);
  const PrinterChoice& Choice() const { return choice_; }

 private:
  PrinterChoice choice_;
};

// Whether the system has any printer, local or connected.
bool AnyPrinterInstalled();

}  // namespace toolkit
