#include "install/script/InstallVariableExpansion.h"

#include <utility>

#include "install/QvSystemAPI/SystemFolders.h"
#include "install/script/ExactText.h"
#include "install/text/InstallVariables.h"
#include "install/text/Paths.h"
#include "toolkit/FileError.h"
#include "toolkit/Text.h"

namespace install {

namespace {

constexpr UINT kShiftJis = 932;
constexpr int kFormatBufferLength = 128;

std::wstring ShortDate(const SYSTEMTIME& time) {
  wchar_t buffer[kFormatBufferLength] = {};
  const int length = ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer,
                                      kFormatBufferLength);
  return length > 0 ? std::wstring(buffer) : std::wstring();
}

std::wstring LongTime(const SYSTEMTIME& time) {
  wchar_t buffer[kFormatBufferLength] = {};
  const int length =
      ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, kFormatBufferLength);
  return length > 0 ? std::wstring(buffer) : std::wstring();
}

bool IsMidnight(const SYSTEMTIME& time) {
  return time.wHour == 0 && time.wMinute == 0 && time.wSecond == 0 && time.wMilliseconds == 0;
}

// A folder becomes part of the value's text, so it must keep every character.
std::string FolderText(const std::wstring& folder) {
  auto text = NarrowExactly(folder, kShiftJis);
  if (!text) throw toolkit::FileError("フォルダ %s の名前はシフト JIS で表せません", folder);
  return std::move(*text);
}

}  // namespace

SYSTEMTIME LocalTimeNow() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return now;
}

std::string DateTimeText(const SYSTEMTIME& time) {
  std::wstring text = ShortDate(time);
  if (!IsMidnight(time)) text += L" " + LongTime(time);
  return toolkit::Narrow(text);
}

SYSTEMTIME TimeOfDay(const SYSTEMTIME& time) {
  SYSTEMTIME day = time;
  day.wYear = 1899;
  day.wMonth = 12;
  day.wDay = 30;
  day.wDayOfWeek = 6;  // a Saturday
  return day;
}

// Only the variable that is replaced is worked out: the clock is read and a
// folder converted for it alone.
std::string ExpandInstallVariables(const std::string& value, const std::wstring& installDir,
                                   const LocalClock& now) {
  return ReplaceFirstInstallVariable(value, [&](InstallVariable variable) {
    switch (variable) {
      case InstallVariable::kInstallDir:
        return FolderText(ExcludeTrailingBackslash(installDir));
      case InstallVariable::kInstallTime:
        return DateTimeText(TimeOfDay(now()));
      case InstallVariable::kInstallDateTime:
        return DateTimeText(now());
      case InstallVariable::kInstallDate:
        return toolkit::Narrow(ShortDate(now()));
      case InstallVariable::kProgramFilesDir:
        return FolderText(GetProgramFilesDir());
      case InstallVariable::kWinDir:
        return FolderText(GetWindowsDir());
    }
    return std::string();
  });
}

}  // namespace install
