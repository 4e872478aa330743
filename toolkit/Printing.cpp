#include "toolkit/Printing.h"

#include <winspool.h>

#include <stdexcept>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Text.h"

namespace toolkit {

namespace {

constexpr char kNoDefaultPrinter[] =
    "通常使うプリンタがありません。プリンタをインストールしてください。";

std::string DefaultPrinterName() {
  DWORD length = 0;
  ::GetDefaultPrinterW(nullptr, &length);
  std::vector<wchar_t> name(length + 1, L'\0');
  if (length == 0 || !::GetDefaultPrinterW(name.data(), &length)) {
    throw std::runtime_error(kNoDefaultPrinter);
  }
  return Narrow(name.data());
}

// The settings the dialog left, when they are whole; null for the printer's own.
const DEVMODEW* SettingsOf(const PrinterChoice& choice) {
  const auto& bytes = choice.deviceMode;
  if (bytes.size() < sizeof(DEVMODEW)) return nullptr;
  const auto* mode = reinterpret_cast<const DEVMODEW*>(bytes.data());
  if (static_cast<std::size_t>(mode->dmSize) + mode->dmDriverExtra > bytes.size()) return nullptr;
  return mode;
}

}  // namespace

Printer::Printer(const PrinterChoice& choice)
    : name_(choice.printerName.empty() ? DefaultPrinterName() : choice.printerName) {
  dc_.Reset(::CreateDCW(L"WINSPOOL", Widen(name_).c_str(), nullptr, SettingsOf(choice)));
  if (!dc_) throw std::runtime_error("プリンタ " + name_ + " を開けません");
}

SIZE Printer::PrintableSize() const {
  return {::GetDeviceCaps(dc_.Get(), HORZRES), ::GetDeviceCaps(dc_.Get(), VERTRES)};
}

PrintJob::PrintJob(const Printer& printer, std::string_view title)
    : dc_(printer.Dc()), printerName_(printer.Name()) {
  const std::wstring documentName = Widen(title);
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName.c_str();
  if (::StartDocW(dc_, &document) <= 0) Refused();
  open_ = true;
}

PrintJob::~PrintJob() {
  if (open_) ::AbortDoc(dc_);
}

void PrintJob::StartPage() {
  if (::StartPage(dc_) <= 0) Refused();
}

void PrintJob::EndPage() {
  if (::EndPage(dc_) <= 0) Refused();
}

// The job counts as closed before EndDoc reports: a refused end is not
// followed by an abort.
void PrintJob::Finish() {
  open_ = false;
  if (::EndDoc(dc_) <= 0) Refused();
}

void PrintJob::Refused() const {
  throw std::runtime_error("プリンタ " + printerName_ + " は印刷を受け付けません");
}

bool PrinterSetupDialog::Execute(HWND owner) {
  return Application::Current().Prompts().SetUpPrinter(owner, choice_);
}

bool AnyPrinterInstalled() {
  DWORD needed = 0;
  DWORD count = 0;
  ::EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
  return needed > 0;
}

}  // namespace toolkit
