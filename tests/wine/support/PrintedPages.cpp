#include "tests/wine/support/PrintedPages.h"

#include <windows.h>

#include <winspool.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "tests/wine/support/TestFiles.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace testing_support {

namespace {

using UniquePrinter = toolkit::UniqueHandle<toolkit::NullEmptyTraits<HANDLE, ::ClosePrinter>>;

// The Linux shell and Ghostscript as Debian installs them, seen from Wine.
constexpr char kShell[] = "Z:\\bin\\sh";
constexpr char kGhostscript[] = "Z:\\usr\\bin\\gs";
constexpr ULONGLONG kScriptTimeoutMs = 60000;
constexpr DWORD kPollMs = 10;

UniquePrinter OpenPrinterNamed(const std::string& printerName) {
  std::wstring name = toolkit::Widen(printerName);
  HANDLE printer = nullptr;
  if (!::OpenPrinterW(name.data(), &printer, nullptr)) {
    throw std::runtime_error("no printer " + printerName);
  }
  return UniquePrinter(printer);
}

// Wine's own export gives the Unix path of a file, which a Linux program needs.
std::string UnixPathOf(const std::string& path) {
  using Convert = char*(CDECL*)(const wchar_t*);
  const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (convert == nullptr) throw std::runtime_error("not running under Wine");
  const auto free = [](char* text) { ::HeapFree(::GetProcessHeap(), 0, text); };
  const std::unique_ptr<char, decltype(free)> unixPath(convert(toolkit::Widen(path).c_str()), free);
  if (!unixPath) throw std::runtime_error("no Unix path for " + path);
  return unixPath.get();
}

std::string Quoted(const std::string& path) {
  std::string quoted = "'";
  for (const char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesW(toolkit::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs a Linux shell script. Wine starts Linux programs without a process
// handle to wait for, so the script ends by writing its exit status into a
// file (under a temporary name first, so that it appears whole), and the
// test waits for that file.
int RunShellScript(const std::string& script, const std::string& statusPath) {
  if (!FileExists(kShell)) throw std::runtime_error("no Linux shell at /bin/sh");
  const std::string unixStatus = UnixPathOf(statusPath);
  std::wstring commandLine =
      toolkit::Widen("sh -c \"" + script + "; echo $? >" + Quoted(unixStatus + ".part") +
                     " && mv " + Quoted(unixStatus + ".part") + " " + Quoted(unixStatus) + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(toolkit::Widen(kShell).c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &startup, &process)) {
    throw std::runtime_error("cannot start the Linux shell");
  }
  const toolkit::UniqueKernelHandle processHandle(process.hProcess);
  const toolkit::UniqueKernelHandle threadHandle(process.hThread);
  const ULONGLONG deadline = ::GetTickCount64() + kScriptTimeoutMs;
  while (!FileExists(statusPath)) {
    if (::GetTickCount64() > deadline) throw std::runtime_error("the Linux script never ended");
    ::Sleep(kPollMs);
  }
  return std::stoi(ReadTextFile(statusPath));
}

}  // namespace

std::string PrinterOutput(const std::string& printerName) {
  const UniquePrinter printer = OpenPrinterNamed(printerName);
  DWORD needed = 0;
  ::GetPrinterW(printer.Get(), 2, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !::GetPrinterW(printer.Get(), 2, buffer.data(), needed, &needed)) {
    throw std::runtime_error("cannot read the printer " + printerName);
  }
  return toolkit::Narrow(reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data())->pPortName);
}

void ForgetPrinterOutput(const std::string& printerName) {
  ::DeleteFileW(toolkit::Widen(PrinterOutput(printerName)).c_str());
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

std::string ReadTextFile(const std::string& path) {
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
Picture RenderPostScript(const std::string& path, int dpi) {
  if (!FileExists(kGhostscript)) {
    throw std::runtime_error("Ghostscript (/usr/bin/gs) is missing: run scripts/install-deps.sh");
  }
  const ScratchFolder folder;
  const std::string bitmapPath = folder.File("page.bmp");
  const std::string logPath = folder.File("gs.log");
  const int status = RunShellScript(
      "gs -q -dSAFER -dBATCH -dNOPAUSE -dFirstPage=1 -dLastPage=1 -sDEVICE=bmp16m -r" +
          std::to_string(dpi) + " -sOutputFile=" + Quoted(UnixPathOf(bitmapPath)) + " " +
          Quoted(UnixPathOf(path)) + " >" + Quoted(UnixPathOf(logPath)) + " 2>&1",
      folder.File("status"));
  if (status != 0) throw std::runtime_error("Ghostscript failed: " + ReadTextFile(logPath));
  const toolkit::UniqueBitmap bitmap(
      static_cast<HBITMAP>(::LoadImageW(nullptr, toolkit::Widen(bitmapPath).c_str(), IMAGE_BITMAP,
                                        0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
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
