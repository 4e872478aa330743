// The install-time variables of a registry entry's string data, replaced by
// the install folder, the date and time of the installation or a system
// folder (see ReplaceFirstInstallVariable for which one is replaced).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace install {

// The local date and time now; replaced by tests to fix the clock.
using LocalClock = std::function<SYSTEMTIME()>;
SYSTEMTIME LocalTimeNow();

// The short date in the user's locale format, then a blank and the long
// time, the time left out when it is exactly midnight (00:00:00.000).
std::string DateTimeText(const SYSTEMTIME& time);

// The time of day alone as a date-time: 30 December 1899, the day a date-time
// of no days counts from, at the clock's time.
SYSTEMTIME TimeOfDay(const SYSTEMTIME& time);

// value with its first install-time variable replaced:
// "%INSTALLDIR%" by installDir without a trailing backslash,
// "%INSTALLTIME%" by DateTimeText(TimeOfDay(now)),
// "%INSTALLDATETIME%" by DateTimeText(now),
// "%INSTALLDATE%" by the short date of now,
// "%PROGRAMFILESDIR%" and "%WINDIR%" by the Program Files and the Windows
// folder. Throws toolkit::FileError when the folder put in cannot be written
// in code page 932, the value's code page.
std::string ExpandInstallVariables(const std::string& value, const std::wstring& installDir,
                                   const LocalClock& now = LocalTimeNow);

}  // namespace install
