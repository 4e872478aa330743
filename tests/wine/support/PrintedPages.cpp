#include "tests/wine/support/PrintedPages.h"

#include <windows.h>

#include <winspool.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "tests/wine/support/LinuxShell.h"
#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace testing_support {

namespace {

using UniquePrinter = toolkit::UniqueHandle<toolkit::NullEmptyTraits<HANDLE, ::ClosePrinter>>;

// Ghostscript as Debian installs it, seen from Wine.
constexpr wchar_t kGhostscript[] = L"Z:\\usr\\bin\\gs";

UniquePrinter OpenPrinterNamed(const std::string& printerName) {
  std::wstring name = toolkit::Widen(printerName);
  HANDLE printer = nullptr;
  if (!::OpenPrinterW(name.data(), &printer, nullptr)) {
    throw std::runtime_error("no printer " + printerName);
  }
  return UniquePrinter(printer);
}

bool FileExists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::wstring PrinterOutput(const std::string& printerName) {
  const UniquePrinter printer = OpenPrinterNamed(printerName);
  DWORD needed = 0;
  ::GetPrinterW(printer.Get(), 2, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !::GetPrinterW(printer.Get(), 2, buffer.data(), needed, &needed)) {
    throw std::runtime_error("cannot read the printer " + printerName);
  }
  return reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data())->pPortName;
}

void ForgetPrinterOutput(const std::string& printerName) {
  ::DeleteFileW(PrinterOutput(printerName).c_str());
}

// The printer's own defaults with the paper size changed, as its driver
// hands them out.
toolkit::PrinterChoice LetterPaperOn(const std::string& printerName) {
  const UniquePrinter printer = OpenPrinterNamed(printerName);
  std::wstring name = toolkit::Widen(printerName);
  const LONG size = ::DocumentPropertiesW(nullptr, printer.Get(), name.data(), nullptr, nullptr, 0);
  if (size <= 0) throw std::runtime_error("no settings for the printer " + printerName);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  auto* mode = reinterpret_cast<DEVMODEW*>(bytes.data());
  if (::DocumentPropertiesW(nullptr, printer.Get(), name.data(), mode, nullptr, DM_OUT_BUFFER) !=
      IDOK) {
    throw std::runtime_error("no settings for the printer " + printerName);
  }
  mode->dmFields |= DM_PAPERSIZE;
  mode->dmPaperSize = DMPAPER_LETTER;
  return {printerName, bytes};
}

std::string ReadTextFile(const std::wstring& path) {
  if (!FileExists(path)) return {};
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

int CountOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

// Ghostscript writes a 24-bit BMP, which the system loads as it is.
Picture RenderPostScript(const std::wstring& path, int dpi) {
  if (!FileExists(kGhostscript)) {
    throw std::runtime_error("Ghostscript (/usr/bin/gs) is missing: run scripts/install-deps.sh");
  }
  const ScratchFolder folder;
  const std::wstring bitmapPath = folder.File(L"page.bmp");
  const std::wstring logPath = folder.File(L"gs.log");
  const int status = RunShellScript(
      "gs -q -dSAFER -dBATCH -dNOPAUSE -dFirstPage=1 -dLastPage=1 -sDEVICE=bmp16m -r" +
          std::to_string(dpi) + " -sOutputFile=" + ShellQuoted(UnixPathOf(bitmapPath)) + " " +
          ShellQuoted(UnixPathOf(path)) + " >" + ShellQuoted(UnixPathOf(logPath)) + " 2>&1",
      folder.File(L"status"));
  if (status != 0) throw std::runtime_error("Ghostscript failed: " + ReadTextFile(logPath));
  const toolkit::UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(
      nullptr, bitmapPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap) throw std::runtime_error("Ghostscript wrote no picture");
  BITMAP info{};
  ::GetObjectW(bitmap.Get(), sizeof info, &info);
  return Picture(info.bmWidth, info.bmHeight, [&bitmap, &info](HDC dc) {
    const toolkit::UniqueDc source(::CreateCompatibleDC(dc));
    const toolkit::SelectedObject selected(source.Get(), bitmap.Get());
    ::BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
  });
}

// The default printer is the "Device" value of the user's Windows key.
NoDefaultPrinter::NoDefaultPrinter(std::string restored) : restored_(std::move(restored)) {
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER,
                       L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", L"Device");
}

NoDefaultPrinter::~NoDefaultPrinter() {
  ::SetDefaultPrinterW(toolkit::Widen(restored_).c_str());
}

}  // namespace testing_support
