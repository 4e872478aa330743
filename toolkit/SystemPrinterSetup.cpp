// The system's printer set-up dialog behind the prompter. The choice goes
// in and comes out as the dialog's DEVNAMES (the printer) and DEVMODE (its
// settings), movable memory blocks that the dialog may free and replace.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "toolkit/DisabledWindows.h"
#include "toolkit/Printing.h"
#include "toolkit/Prompter.h"
#include "toolkit/Text.h"
#include "toolkit/UniqueHandle.h"

namespace toolkit {

namespace {

UniqueGlobal CopyToGlobal(const void* data, std::size_t size) {
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  if (!memory) throw std::runtime_error("out of memory for the printer set-up dialog");
  const LockedGlobal locked(memory.Get());
  std::memcpy(locked.Get(), data, size);
  return memory;
}

// DEVNAMES naming only the printer: the spooler as driver, no output port.
UniqueGlobal DeviceNamesFor(const std::string& printerName) {
  if (printerName.empty()) return {};
  const std::wstring driver = L"winspool";
  const std::wstring device = Widen(printerName);
  constexpr std::size_t kHeaderChars = sizeof(DEVNAMES) / sizeof(wchar_t);
  std::wstring block(kHeaderChars, L'\0');
  block += driver + L'\0' + device + L'\0' + L'\0';
  DEVNAMES names{};
  names.wDriverOffset = static_cast<WORD>(kHeaderChars);
  names.wDeviceOffset = static_cast<WORD>(kHeaderChars + driver.size() + 1);
  names.wOutputOffset = static_cast<WORD>(names.wDeviceOffset + device.size() + 1);
  std::memcpy(block.data(), &names, sizeof names);
  return CopyToGlobal(block.data(), block.size() * sizeof(wchar_t));
}

UniqueGlobal DeviceModeFor(const std::vector<std::uint8_t>& deviceMode) {
  if (deviceMode.empty()) return {};
  return CopyToGlobal(deviceMode.data(), deviceMode.size());
}

std::string PrinterNameOf(HGLOBAL deviceNames) {
  if (deviceNames == nullptr) return {};
  const LockedGlobal locked(deviceNames);
  const auto* names = static_cast<const DEVNAMES*>(locked.Get());
  if (names == nullptr) return {};
  return Narrow(reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset);
}

// The DEVMODEW with its driver's extra bytes, as far as the block holds them.
std::vector<std::uint8_t> DeviceModeBytesOf(HGLOBAL deviceMode) {
  if (deviceMode == nullptr) return {};
  const LockedGlobal locked(deviceMode);
  const auto* mode = static_cast<const DEVMODEW*>(locked.Get());
  if (mode == nullptr || locked.Size() < sizeof(DEVMODEW)) return {};
  const std::size_t size =
      std::min<std::size_t>(locked.Size(), std::size_t{mode->dmSize} + mode->dmDriverExtra);
  const auto* first = static_cast<const std::uint8_t*>(locked.Get());
  return {first, first + size};
}

}  // namespace

// With no printer at all the dialog would only say so in a box of its own;
// the error display says it instead. PD_NOWARNING keeps the dialog from
// warning about a missing default printer while it opens.
bool SystemPrompter::SetUpPrinter(HWND owner, PrinterChoice& choice) {
  const KeptOwnerState kept(owner);
  if (!AnyPrinterInstalled()) throw std::runtime_error("プリンタがインストールされていません");
  UniqueGlobal deviceMode = DeviceModeFor(choice.deviceMode);
  UniqueGlobal deviceNames = DeviceNamesFor(choice.printerName);
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_PRINTSETUP | PD_NOWARNING;
  dialog.hDevMode = deviceMode.Release();
  dialog.hDevNames = deviceNames.Release();
  const BOOL chosen = ::PrintDlgW(&dialog);
  deviceMode.Reset(dialog.hDevMode);
  deviceNames.Reset(dialog.hDevNames);
  if (!chosen) {
    const DWORD error = ::CommDlgExtendedError();
    if (error != 0) {
      throw std::runtime_error("プリンタの設定ができません (エラー " + std::to_string(error) + ")");
    }
    return false;
  }
  choice.printerName = PrinterNameOf(deviceNames.Get());
  choice.deviceMode = DeviceModeBytesOf(deviceMode.Get());
  return true;
}

}  // namespace toolkit
