// Installs PostScript printers that print into files, for the tests: Wine's
// PostScript driver with the given printer description, one printer per
// name and port (a file path), the first of them made the default printer.
//   add_printer PPD NAME PORT [NAME PORT]...
#include <windows.h>

#include <winspool.h>

#include <cstdio>
#include <string>

#include "toolkit/UniqueHandle.h"

namespace {

using UniquePrinter = toolkit::UniqueHandle<toolkit::NullEmptyTraits<HANDLE, ::ClosePrinter>>;

constexpr wchar_t kDriver[] = L"Wine PostScript Driver";
constexpr wchar_t kEnvironment[] = L"Windows x64";
constexpr wchar_t kDriverFile[] = L"wineps.drv";

bool Failed(const char* what) {
  std::fprintf(stderr, "add_printer: %s failed (error %lu)\n", what, ::GetLastError());
  return false;
}

// The description goes into the version 3 driver folder, where the driver
// looks for its data file.
bool InstallDriver(const std::wstring& description) {
  wchar_t folder[MAX_PATH] = {};
  DWORD needed = 0;
  if (!::GetPrinterDriverDirectoryW(nullptr, const_cast<wchar_t*>(kEnvironment), 1,
                                    reinterpret_cast<BYTE*>(folder), sizeof folder, &needed)) {
    return Failed("GetPrinterDriverDirectory");
  }
  std::wstring dataFile = std::wstring(folder) + L"\\3\\melotest.ppd";
  if (!::CopyFileW(description.c_str(), dataFile.c_str(), FALSE)) return Failed("copying the PPD");
  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<wchar_t*>(kDriver);
  driver.pEnvironment = const_cast<wchar_t*>(kEnvironment);
  driver.pDriverPath = const_cast<wchar_t*>(kDriverFile);
  driver.pConfigFile = const_cast<wchar_t*>(kDriverFile);
  driver.pDataFile = dataFile.data();
  if (!::AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&driver)) &&
      ::GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    return Failed("AddPrinterDriver");
  }
  return true;
}

// The spooler's own print processor passes the driver's PostScript through
// to the port unchanged.
bool AddFilePrinter(std::wstring name, std::wstring port) {
  PRINTER_INFO_2W printer{};
  printer.pPrinterName = name.data();
  printer.pPortName = port.data();
  printer.pDriverName = const_cast<wchar_t*>(kDriver);
  printer.pPrintProcessor = const_cast<wchar_t*>(L"winprint");
  printer.pDatatype = const_cast<wchar_t*>(L"RAW");
  const UniquePrinter added(::AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&printer)));
  return added ? true : Failed("AddPrinter");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: add_printer PPD NAME PORT [NAME PORT]...\n");
    return 2;
  }
  if (!InstallDriver(argv[1])) return 1;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (!AddFilePrinter(argv[i], argv[i + 1])) return 1;
  }
  if (!::SetDefaultPrinterW(argv[2])) {
    Failed("SetDefaultPrinter");
    return 1;
  }
  return 0;
}
